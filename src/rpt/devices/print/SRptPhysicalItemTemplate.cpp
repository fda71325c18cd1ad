#include "rpt/devices/print/SRptPhysicalItemTemplate.h"

#include "rpt/devices/helpers/SRptOutputHelperTemplate.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

namespace {

// The report's paragraphs of its title and of its optional fields.
constexpr int32_t kReportTitlePara = 0;
constexpr int32_t kReportFieldsPara = 1;

SComWrap<ISRptReport> ReportOf(IUnknown* item) {
    SComWrap<ISRptTemplate> reportTemplate;
    reportTemplate = item;
    if (!reportTemplate) SComThrow(E_POINTER);
    SComWrap<ISRptReport> report;
    report = reportTemplate->GetParentReport();
    if (!report) SComThrow(E_POINTER);
    return report;
}

}  // namespace

HRESULT SRptPhysicalItemTemplate::Begin() {
    m_breakDone = 0;
    m_titleDone = 0;
    return SRptPhysicalItemMulti::Begin();
}

HRESULT SRptPhysicalItemTemplate::GetPara(int32_t index, ISRptPara** para) {
    if (!para) return E_POINTER;
    SComWrap<ISRptReport> report = ReportOf(GetNodeItem());
    *para = ParaAt(report.Get(), index == kTitleLine ? kReportTitlePara : kReportFieldsPara).Detach();
    return S_OK;
}

HRESULT SRptPhysicalItemTemplate::GetText(int32_t index, SString* text) {
    if (!text) return E_POINTER;
    text->Empty();
    auto* helper = dynamic_cast<SRptOutputHelperTemplate*>(GetOutputHelper());
    if (!helper) return S_OK;
    switch (index) {
        case kTitleLine: *text = helper->GetFirstText(); break;
        case kAuthorLine: *text = helper->GetFirstPageAuthor(); break;
        case kDateLine: *text = helper->GetFirstPageDate(); break;
        case kVersionLine: *text = helper->GetFirstPageVersion(); break;
        case kSummaryLine: *text = helper->GetFirstPageSummary(); break;
        default: break;
    }
    return S_OK;
}

HRESULT SRptPhysicalItemTemplate::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                         SRptPageElement* element, int32_t* status) {
    if (!element || !status) return E_INVALIDARG;
    SComWrap<ISRptTemplate> reportTemplate;
    reportTemplate = GetNodeItem();
    SComWrap<ISRptReport> report = ReportOf(GetNodeItem());
    int32_t position = 0;
    const HRESULT hr = report->GetPosOfTemplate(reportTemplate.Get(), &position);
    if (FAILED(hr)) return hr;
    if (position != 0) {
        // Nothing of its own: the template only starts a new page.
        *status = m_breakDone ? RPTLAYOUT_DONE : RPTLAYOUT_MORE;
        m_breakDone = 1;
        return S_FALSE;
    }
    if (!report->GetHasFirstPage()) {
        *status = RPTLAYOUT_DONE;
        return S_FALSE;
    }
    const HRESULT hrLayout = LayoutParagraphs(width, available, pageHeight, element, status);
    if (FAILED(hrLayout) || *status != RPTLAYOUT_DONE || m_titleDone) return hrLayout;
    m_titleDone = 1;
    *status = RPTLAYOUT_MORE;
    return hrLayout;
}
