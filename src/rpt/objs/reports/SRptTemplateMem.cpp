#include "rpt/objs/reports/SRptTemplateMem.h"

#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"

// ---- SRptTemplateMem ----

SComWrap<ISRepObject> SRptTemplateMem::GetParentReport() {
    SComWrap<ISRepObject> report;
    static_cast<ISRepObject*>(this)->GetObjectA(RPTTEMPLATE_REPORT, &report);
    return report;
}

// ---- SRptTemplateImpl ----

ISRepObject* SRptTemplateImpl::GetParentReport() {
    return SRptTemplateMem::GetParentReport().Get();
}

SString SRptTemplateImpl::GetExtendedTitle(uint32_t kind) {
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(SRptTemplateMem::GetParentReport().Get());
    return report ? report->GetExTitle(kind) : SString();
}

SString SRptTemplateImpl::GetDispHeader() {
    return m_headUserDef ? m_header : GetExDefHeader();
}

SString SRptTemplateImpl::GetDispFooter() {
    return m_footUserDef ? m_footer : GetExDefFooter();
}

HRESULT SRptTemplateImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    *pBrowserNodeItem = nullptr;
    return E_NOTIMPL;
}
