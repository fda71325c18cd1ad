#pragma once
// The items of one paragraph (texts, titles, text files, group titles, folders, headers and
// footers): their text flows line by line into the element's paragraph block, page after page.
#include <memory>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptPhysicalItemFlow : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;
    ~SRptPhysicalItemFlow() override;

    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    // Makes the flow of the item's text in its paragraph.
    HRESULT Begin() override;
    HRESULT End() override;

    // E_POINTER for a null out-pointer; a missing paragraph or item interface throws.
    HRESULT GetPara(ISRptPara** para) override = 0;
    // 0 and no text without an output helper; E_POINTER for a null out-pointer.
    HRESULT GetText(SString* text) override = 0;

    SRptTextFlow* GetFlow() const { return m_flow.get(); }

protected:
    // The kind's interface of the node's item; its paragraph 0.
    template <class I>
    HRESULT ParaOfKind(ISRptPara** para) {
        if (!para) return E_POINTER;
        SComWrap<I> typed;
        typed = GetNodeItem();
        if (!typed) SComThrow(E_POINTER);
        *para = ParaAt(typed.Get(), 0).Detach();
        return S_OK;
    }

private:
    std::unique_ptr<SRptTextFlow> m_flow;
};
