#include "rpt/devices/print/SRptPhysicalItemMulti.h"

#include <new>

#include "rpt/devices/print/SRptDrawableParagraphList.h"
#include "rpt/devices/print/SRptPageElementMulti.h"

SRptPhysicalItemMulti::~SRptPhysicalItemMulti() = default;

HRESULT SRptPhysicalItemMulti::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementMulti>(page, element);
}

HRESULT SRptPhysicalItemMulti::Begin() {
    m_flows.clear();
    const int32_t count = GetCount();
    for (int32_t i = 0; i < count; ++i) {
        SString text;
        HRESULT hr = GetText(i, &text);
        if (FAILED(hr)) return hr;
        SComWrap<ISRptPara> para;
        hr = GetPara(i, &para);
        if (FAILED(hr)) return hr;
        std::unique_ptr<SRptTextFlow> flow = NewFlow(text, para.Get());
        if (!flow) return E_OUTOFMEMORY;
        m_flows.push_back(std::move(flow));
    }
    return SRptPhysicalItem::Begin();
}

HRESULT SRptPhysicalItemMulti::End() {
    m_flows.clear();
    return SRptPhysicalItem::End();
}

SRptTextFlow* SRptPhysicalItemMulti::GetFlow(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_flows.size()) return nullptr;
    return m_flows[static_cast<size_t>(index)].get();
}

HRESULT SRptPhysicalItemMulti::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                      SRptPageElement* element, int32_t* status) {
    return LayoutParagraphs(width, available, pageHeight, element, status);
}

HRESULT SRptPhysicalItemMulti::LayoutParagraphs(int32_t width, int32_t available, int32_t pageHeight,
                                                SRptPageElement* element, int32_t* status) {
    if (!element || !status) return E_INVALIDARG;
    const int32_t start = available;
    int32_t placed = 0;
    bool any = false;
    for (size_t i = 0; i < m_flows.size(); ++i) {
        SRptTextFlow& flow = *m_flows[i];
        if (flow.IsDone()) continue;
        any = true;
        if (!element->GetDrawable()) {
            const HRESULT made = element->CreateDrawable();
            if (FAILED(made)) return made;
        }
        auto* drawable = static_cast<SRptDrawableParagraphList*>(element->GetDrawable());
        SComWrap<ISRptPara> para;
        GetPara(static_cast<int32_t>(i), &para);
        HRESULT hr = drawable->AddBlock(para.Get());
        if (FAILED(hr)) return hr;
        const int32_t block = drawable->GetBlockCount() - 1;
        const int32_t placedBefore = placed;
        auto sink = [&](const SString& text, const SIZE& size, const RECT& rect, int32_t extra, int32_t breaks,
                        const STable<RPTTABSEGMENT>& runs) -> HRESULT {
            const HRESULT added = drawable->AddLine(block, text, size, rect, extra, breaks, runs);
            element->UpdateExtent();
            return added;
        };
        if (FlowLines(flow, width, &available, start >= pageHeight, sink, &placed, &hr)) continue;
        if (FAILED(hr)) return hr;
        *status = RPTLAYOUT_MORE;
        if (placed > placedBefore && KeepsTogether(para.Get(), start, pageHeight)) {
            flow.Reset(nullptr);
            drawable->ClearBlock(block);
            element->UpdateExtent();
            placed = placedBefore;
        }
        return placed == 0 ? S_FALSE : S_OK;
    }
    *status = RPTLAYOUT_DONE;
    return any && placed > 0 ? S_OK : S_FALSE;
}
