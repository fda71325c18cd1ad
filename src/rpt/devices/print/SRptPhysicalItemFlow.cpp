#include "rpt/devices/print/SRptPhysicalItemFlow.h"

#include <new>

#include "rpt/devices/print/SRptDrawableParagraph.h"
#include "rpt/devices/print/SRptPageElementText.h"

SRptPhysicalItemFlow::~SRptPhysicalItemFlow() = default;

HRESULT SRptPhysicalItemFlow::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementText>(page, element);
}

HRESULT SRptPhysicalItemFlow::Begin() {
    const HRESULT hr = NewItemFlow(&m_flow);
    return FAILED(hr) ? hr : SRptPhysicalItem::Begin();
}

HRESULT SRptPhysicalItemFlow::End() {
    m_flow.reset();
    return SRptPhysicalItem::End();
}

HRESULT SRptPhysicalItemFlow::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                     SRptPageElement* element, int32_t* status) {
    if (!element || !status) return E_INVALIDARG;
    if (!m_flow || m_flow->IsDone()) return S_FALSE;
    const int32_t start = available;
    int32_t placed = 0;
    HRESULT hr = S_OK;
    auto sink = [&](const SString& text, const SIZE& size, const RECT& rect, int32_t extra, int32_t breaks,
                    const STable<RPTTABSEGMENT>& runs) -> HRESULT {
        if (!element->GetDrawable()) {
            const HRESULT made = element->CreateDrawable();
            if (FAILED(made)) return made;
        }
        auto* drawable = static_cast<SRptDrawableParagraph*>(element->GetDrawable());
        const HRESULT added = drawable->GetBlock().AddLine(text, size, rect, extra, breaks, runs);
        element->UpdateExtent();
        return added;
    };
    if (FlowLines(*m_flow, width, &available, start >= pageHeight, sink, &placed, &hr)) {
        *status = RPTLAYOUT_DONE;
        return S_OK;
    }
    if (FAILED(hr)) return hr;
    *status = RPTLAYOUT_MORE;
    SComWrap<ISRptPara> para;
    GetPara(&para);
    if (placed > 0 && KeepsTogether(para.Get(), start, pageHeight)) {
        m_flow->Reset(nullptr);
        if (auto* drawable = static_cast<SRptDrawableParagraph*>(element->GetDrawable())) drawable->GetBlock().Clear();
        element->UpdateExtent();
        placed = 0;
    }
    return placed == 0 ? S_FALSE : S_OK;
}
