#include "rpt/devices/print/SRptPhysicalItemTblCts.h"

#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/print/SRptPageElement.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPhysicalPage.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/ISRptTblCts.h"

namespace {

// The contents' paragraphs: the title's, and the entries'.
constexpr int32_t kTitlePara = 0;
constexpr int32_t kEntryPara = 1;

}  // namespace

int32_t SRptPhysicalItemTblCts::GetCount() {
    SRptGenerationTree* tree = GetOwner() ? GetOwner()->GetGenerationTree() : nullptr;
    if (!GetOutputHelper() || !tree) return 1;
    return 1 + tree->GetContentsEntries().GetCount();
}

HRESULT SRptPhysicalItemTblCts::GetPara(int32_t index, ISRptPara** para) {
    if (!para) return E_POINTER;
    SComWrap<ISRptTblCts> item;
    item = GetNodeItem();
    if (!item) SComThrow(E_POINTER);
    SComWrap<ISRptParaContainer> paras;
    paras = item.Get();
    const int32_t count = paras ? paras->Paragraphs().GetCount() : 0;
    const int32_t position = index == 0 || count <= kEntryPara ? kTitlePara : kEntryPara;
    *para = ParaAt(item.Get(), position).Detach();
    return S_OK;
}

HRESULT SRptPhysicalItemTblCts::GetText(int32_t index, SString* text) {
    if (!text) return E_POINTER;
    if (index == 0) {
        SComWrap<ISRptTblCts> item;
        item = GetNodeItem();
        if (!item) SComThrow(E_POINTER);
        *text = item->GetDispTitle();
        return S_OK;
    }
    SRptGenerationTree* tree = GetOwner() ? GetOwner()->GetGenerationTree() : nullptr;
    if (!tree || index > tree->GetContentsEntries().GetCount()) return S_OK;
    const RPTCONTENTSENTRY& entry = tree->GetContentsEntries()[index - 1];
    int32_t page = 9999;
    if (SRptPhysicalItem* target = GetOwner()->FindItem(entry.node))
        if (SRptPhysicalPage* shown = target->GetPage()) page = shown->GetPageNumber();
    SString number;
    number.Format("%ld", page);
    *text = (entry.node ? entry.node->GetNumberText() : SString()) + entry.text + "\t" + number;
    return S_OK;
}

HRESULT SRptPhysicalItemTblCts::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                       SRptPageElement* element, int32_t* status) {
    const HRESULT hr = LayoutParagraphs(width, available, pageHeight, element, status);
    if (FAILED(hr) || *status != RPTLAYOUT_DONE || m_breakDone) return hr;
    // The contents stand on pages of their own within their template.
    const SRptPhysicalItem* next = GetOwner() ? GetOwner()->GetNextItem(this) : nullptr;
    if (next && next->GetFrame() == GetFrame()) {
        m_breakDone = 1;
        *status = RPTLAYOUT_MORE;
    }
    return hr;
}

HRESULT SRptPhysicalItemTblCts::Relayout() {
    const std::vector<SRptPageElement*> elements = GetElements();
    for (SRptPageElement* element : elements) element->DropDrawable();
    HRESULT hr = Begin();
    if (FAILED(hr)) return hr;
    for (SRptPageElement* element : elements) {
        SRptPhysicalPage* page = element->GetPage();
        const RECT usable = page ? page->GetUsableRect() : RECT{};
        const POINT origin = element->GetOrigin();
        int32_t status = 0;
        hr = LayoutParagraphs(usable.right - usable.left, usable.bottom - origin.y, usable.bottom - usable.top, element,
                              &status);
        if (FAILED(hr)) break;
    }
    const HRESULT hrEnd = End();
    return FAILED(hr) ? hr : hrEnd;
}
