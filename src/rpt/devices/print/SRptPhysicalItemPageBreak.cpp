#include "rpt/devices/print/SRptPhysicalItemPageBreak.h"

#include "rpt/devices/print/SRptPageElement.h"

HRESULT SRptPhysicalItemPageBreak::CreateElement(SRptPhysicalPage*, std::unique_ptr<SRptPageElement>* element) {
    if (!element) return E_INVALIDARG;
    element->reset();
    return S_OK;
}

HRESULT SRptPhysicalItemPageBreak::Layout(SRptPhysicalPage*, int32_t, int32_t, int32_t, SRptPageElement*,
                                          int32_t* status) {
    if (!status) return E_INVALIDARG;
    *status = m_breakDone ? RPTLAYOUT_DONE : RPTLAYOUT_MORE;
    m_breakDone = 1;
    return S_FALSE;
}

HRESULT SRptPhysicalItemPageBreak::Begin() {
    m_breakDone = 0;
    return SRptPhysicalItem::Begin();
}

HRESULT SRptPhysicalItemPageBreak::End() {
    m_breakDone = 1;
    return SRptPhysicalItem::End();
}
