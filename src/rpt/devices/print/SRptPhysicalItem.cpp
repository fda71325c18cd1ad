#include "rpt/devices/print/SRptPhysicalItem.h"

#include <algorithm>

#include "platform/com/SComThrow.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/helpers/SRptParaAt.h"
#include "rpt/devices/print/SRptPageElement.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPhysicalPage.h"
#include "varod9/ISRptParaContainer.h"

SRptPhysicalItem::SRptPhysicalItem(SRptPhysicalLayer* owner, SRptGenerationNode* node, SRptPageFrame* frame)
    : m_owner(owner), m_node(node), m_frame(frame) {}

SRptPhysicalItem::~SRptPhysicalItem() = default;

POINT SRptPhysicalItem::GetStartPosition(SRptPhysicalPage* page) {
    if (!page) return POINT{0, 0};
    const RECT usable = page->GetUsableRect();
    const SRptPageElement* last = page->GetLastElement();
    return POINT{usable.left, last ? last->GetBottom() + 1 : usable.top};
}

HRESULT SRptPhysicalItem::Begin() {
    m_begun = 1;
    return S_OK;
}

HRESULT SRptPhysicalItem::End() {
    m_begun = 0;
    return S_OK;
}

HRESULT SRptPhysicalItem::GetPara(ISRptPara** para) {
    if (para) *para = nullptr;
    return E_NOTIMPL;
}

HRESULT SRptPhysicalItem::GetText(SString* text) {
    if (text) text->Empty();
    return E_NOTIMPL;
}

std::unique_ptr<SRptTextFlow> SRptPhysicalItem::NewFlow(const SString& text, ISRptPara* para) const {
    return std::unique_ptr<SRptTextFlow>(new (std::nothrow) SRptTextFlow(GetDC(), text, para, RPTFLOW_WORDWRAP));
}

HRESULT SRptPhysicalItem::NewItemFlow(std::unique_ptr<SRptTextFlow>* flow) {
    SString text;
    HRESULT hr = GetText(&text);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptPara> para;
    hr = GetPara(&para);
    if (FAILED(hr)) return hr;
    *flow = NewFlow(text, para.Get());
    return *flow ? S_OK : E_OUTOFMEMORY;
}

SRptPhysicalPage* SRptPhysicalItem::GetPage() const {
    return m_elements.empty() ? nullptr : m_elements.front()->GetPage();
}

void SRptPhysicalItem::UnlinkElement(SRptPageElement* element) {
    m_elements.erase(std::remove(m_elements.begin(), m_elements.end(), element), m_elements.end());
}

SDC* SRptPhysicalItem::GetDC() const {
    return m_owner ? m_owner->GetPrinterDC() : nullptr;
}

SRptOutputHelper* SRptPhysicalItem::GetOutputHelper() const {
    return m_node ? m_node->GetOutputHelper() : nullptr;
}

IUnknown* SRptPhysicalItem::GetNodeItem() const {
    return m_node ? m_node->GetItem() : nullptr;
}

SComWrap<ISRptPara> SRptPhysicalItem::ParaAt(IUnknown* container, int32_t position) {
    return SRptParaAt(container, position, true);
}

bool SRptPhysicalItem::FlowLines(SRptTextFlow& flow, int32_t width, int32_t* available, bool atPageTop,
                                 const SLineSink& sink, int32_t* placed, HRESULT* hr) {
    *hr = S_OK;
    while (!flow.IsDone()) {
        SString text;
        RECT frame{};
        RECT textRect{};
        int32_t spaces = 0;
        int32_t extra = 0;
        STable<RPTTABSEGMENT> runs;
        *hr = flow.GetLine(width, &text, &frame, &textRect, &spaces, &extra, &runs);
        if (FAILED(*hr)) return false;
        const int32_t height = frame.bottom - frame.top;
        if (height > *available && !(atPageTop && *placed == 0)) return false;
        flow.NextLine(width, &text, &frame, &textRect, &spaces, &extra, &runs);
        *available -= height;
        *hr = sink(text, SIZE{frame.right - frame.left, height}, textRect, extra, spaces, runs);
        if (FAILED(*hr)) return false;
        ++*placed;
    }
    return true;
}

bool SRptPhysicalItem::KeepsTogether(ISRptPara* para, int32_t startAvailable, int32_t pageHeight) {
    return para && (para->GetFlow() & 0x01) && startAvailable < pageHeight;
}
