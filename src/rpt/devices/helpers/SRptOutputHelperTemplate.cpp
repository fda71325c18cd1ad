#include "rpt/devices/helpers/SRptOutputHelperTemplate.h"

#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

HRESULT SRptOutputHelperTemplate::Init(IUnknown*) {
    const SComWrap<ISRptTemplate> templ = ItemAs<ISRptTemplate>();
    SComWrap<ISRptReport> report;
    report = templ->GetParentReport();
    // Each title-page text by its own switch: the report's overall title-page switch is the
    // writers' business.
    if (report->GetHasFirstPageTitle()) m_title = report->GetFirstPageTitle();
    if (report->GetHasFirstPageAuthor()) m_author = report->GetFirstPageAuthor();
    if (report->GetHasFirstPageVersion()) m_version = report->GetFirstPageVersion();
    if (report->GetHasFirstPageDate()) m_date = report->GetFirstPageDate();
    if (report->GetHasFirstPageSummary()) m_summary = report->GetFirstPageSummary();
    m_header = templ->GetExpHeader();
    m_footer = templ->GetExpFooter();
    return S_OK;
}

SString SRptOutputHelperTemplate::GetText() {
    return SString();
}

SString SRptOutputHelperTemplate::GetFirstText() {
    return m_title;
}
