// The pagination of the physical layer: one physical item per generation node, the items flowed
// onto pages, the tables of contents laid out again with the real page numbers, and every page's
// header and footer laid out with its number.
#include <new>

#include "platform/base/SStringLoad.h"
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/print/SRptPhysicalItemFolder.h"
#include "rpt/devices/print/SRptPhysicalItemForm.h"
#include "rpt/devices/print/SRptPhysicalItemGraphicFile.h"
#include "rpt/devices/print/SRptPhysicalItemGrpText.h"
#include "rpt/devices/print/SRptPhysicalItemGrpTitle.h"
#include "rpt/devices/print/SRptPhysicalItemHeaderFooter.h"
#include "rpt/devices/print/SRptPhysicalItemList.h"
#include "rpt/devices/print/SRptPhysicalItemPageBreak.h"
#include "rpt/devices/print/SRptPhysicalItemTblCts.h"
#include "rpt/devices/print/SRptPhysicalItemTemplate.h"
#include "rpt/devices/print/SRptPhysicalItemText.h"
#include "rpt/devices/print/SRptPhysicalItemTextFile.h"
#include "rpt/devices/print/SRptPhysicalItemTitle.h"
#include "rpt/devices/print/SRptPhysicalItemUserGraphic.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

namespace {

// The repository face of a node's item; null for a node without one. A failed query other than
// a missing interface is thrown.
SComWrap<ISRepObject> ObjectOf(const SRptGenerationNode* node) {
    SComWrap<ISRepObject> object;
    if (node && node->GetItem()) object = node->GetItem();
    return object;
}

bool IsTemplateNode(const SRptGenerationNode* node) {
    SComWrap<ISRepObject> object = ObjectOf(node);
    return object && SRepIsKindOf(object.Get(), CLSID_SRptTemplate);
}

// A physical item of kind K, or null when it cannot be allocated.
template <class K>
std::unique_ptr<SRptPhysicalItem> Make(SRptPhysicalLayer* layer, SRptGenerationNode* node, SRptPageFrame* frame) {
    return std::unique_ptr<SRptPhysicalItem>(new (std::nothrow) K(layer, node, frame));
}

// The band of a page that a header or footer takes at most: a third of the body.
int32_t BandHeight(const SRptPageFrame* frame) {
    return (frame->GetBodyRect().bottom - frame->GetBodyRect().top) / 3;
}

int32_t Width(const RECT& rect) {
    return rect.right - rect.left;
}

}  // namespace

HRESULT SRptPhysicalLayer::BuildPhysicalItem(SRptGenerationNode* node, SRptPageFrame* frame,
                                             std::unique_ptr<SRptPhysicalItem>* item) {
    if (!node || !frame || !item) return E_INVALIDARG;
    item->reset();
    SComWrap<ISRepObject> object = ObjectOf(node);
    // A node without an item is the break a paragraph asks for before its item.
    if (!object) {
        *item = Make<SRptPhysicalItemPageBreak>(this, node, frame);
        return S_OK;
    }
    const GUID clsid = object->GetClassID();
    if (clsid == CLSID_SRptPageBreak) *item = Make<SRptPhysicalItemPageBreak>(this, node, frame);
    else if (clsid == CLSID_SRptText) *item = Make<SRptPhysicalItemText>(this, node, frame);
    else if (clsid == CLSID_SRptTitle) *item = Make<SRptPhysicalItemTitle>(this, node, frame);
    else if (clsid == CLSID_SRptTextFile) *item = Make<SRptPhysicalItemTextFile>(this, node, frame);
    else if (clsid == CLSID_SRptGraphicFile) *item = Make<SRptPhysicalItemGraphicFile>(this, node, frame);
    else if (clsid == CLSID_SRptGrpText) *item = Make<SRptPhysicalItemGrpText>(this, node, frame);
    else if (clsid == CLSID_SRptGrpTitle) *item = Make<SRptPhysicalItemGrpTitle>(this, node, frame);
    else if (clsid == CLSID_SRptFolder) *item = Make<SRptPhysicalItemFolder>(this, node, frame);
    else if (clsid == CLSID_SRptList) *item = Make<SRptPhysicalItemList>(this, node, frame);
    else if (clsid == CLSID_SRptForm) *item = Make<SRptPhysicalItemForm>(this, node, frame);
    else if (clsid == CLSID_SRptUserGraphic) *item = Make<SRptPhysicalItemUserGraphic>(this, node, frame);
    else if (clsid == CLSID_SRptTemplate || SRepIsKindOf(object.Get(), CLSID_SRptTemplate))
        *item = Make<SRptPhysicalItemTemplate>(this, node, frame);
    else if (clsid == CLSID_SRptTblCts) *item = Make<SRptPhysicalItemTblCts>(this, node, frame);
    return S_OK;
}

HRESULT SRptPhysicalLayer::BuildPhysicalItems() {
    // Pages refer to the items and frames of the build before: they go first.
    m_currentPage = nullptr;
    m_pages.clear();
    m_nodeMap.clear();
    m_items.clear();
    m_frames.clear();
    if (!m_tree) return S_OK;
    SRptPageFrame* frame = nullptr;
    for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(m_tree->GetRoot()); node;
         node = SRptGenerationTree::GetNextInTreeOrder(node)) {
        if (IsTemplateNode(node)) {
            SRptGenerationNode* next = SRptGenerationTree::GetNextInTreeOrder(node);
            if (!next) break;
            // A template without items prints nothing, not even a page of its own.
            if (IsTemplateNode(next)) continue;
            auto made = std::make_unique<SRptPageFrame>(this, node);
            made->SetHeaderFooter(std::make_unique<SRptPhysicalItemHeaderFooter>(this, node, made.get(), 1),
                                  std::make_unique<SRptPhysicalItemHeaderFooter>(this, node, made.get(), 0));
            frame = made.get();
            m_frames.push_back(std::move(made));
        }
        std::unique_ptr<SRptPhysicalItem> item;
        if (BuildPhysicalItem(node, frame, &item) < 0 || !item) continue;
        m_nodeMap[node] = item.get();
        m_items.push_back(std::move(item));
    }
    return S_OK;
}

HRESULT SRptPhysicalLayer::AddPage(SRptPageFrame* frame, SRptPhysicalPage** page) {
    if (!page) return E_INVALIDARG;
    *page = nullptr;
    const int32_t number = GetPageCount() + 1;
    if (m_printingDlg) {
        m_printingDlg->SetPage(number);
        m_printingDlg->ProcessMessages();
    }
    std::unique_ptr<SRptPhysicalPage> made(new (std::nothrow) SRptPhysicalPage(this, frame, number));
    if (!made) return E_OUTOFMEMORY;
    *page = made.get();
    m_pages.push_back(std::move(made));
    return S_OK;
}

HRESULT SRptPhysicalLayer::SetupPage(SRptPhysicalPage* page, SRptPageFrame* frame, int32_t tableFlag) {
    if (!page || !frame || !frame->GetHeaderItem() || !frame->GetFooterItem()) return S_OK;
    SRptPhysicalItemHeaderFooter* header = frame->GetHeaderItem();
    SRptPhysicalItemHeaderFooter* footer = frame->GetFooterItem();
    for (SRptPhysicalItemHeaderFooter* band : {header, footer}) {
        band->SetPageNumber(page->GetPageNumber());
        band->Begin();
    }
    std::unique_ptr<SRptPageElement> element;
    if (SUCCEEDED(header->CreateElement(page, &element)) && element) page->SetHeaderElement(std::move(element));
    if (SUCCEEDED(footer->CreateElement(page, &element)) && element) page->SetFooterElement(std::move(element));

    const int32_t h = BandHeight(frame);
    int32_t status = 0;
    header->Layout(page, Width(frame->GetHeaderRect()), h, h, page->GetHeaderElement(), &status);
    const HRESULT hr = footer->Layout(page, Width(frame->GetFooterRect()), h, h, page->GetFooterElement(), &status);
    // A table's page keeps room under the header for the rows' upper borders.
    if (tableFlag && page->GetHeaderElement())
        page->GetHeaderElement()->SetBottom(page->GetHeaderElement()->GetBottom() + 500);
    // A footer taller than its band ends at the band's bottom.
    SRptPageElement* footerElement = page->GetFooterElement();
    const RECT& band = frame->GetFooterRect();
    if (footerElement && footerElement->GetHeight() > band.bottom - band.top)
        footerElement->MoveTo(POINT{band.left, band.bottom - footerElement->GetHeight()});
    header->End();
    footer->End();
    return hr;
}

bool SRptPhysicalLayer::ContinuePrinting() {
    if (m_printingDlg) m_printingDlg->ProcessMessages();
    return SRptDlgPrinting::GetAbortFlag() == 0;
}

HRESULT SRptPhysicalLayer::PaginateItem(SRptPhysicalItem* item, SRptPhysicalPage** page, bool* stopped) {
    item->Begin();
    while ((*stopped = !ContinuePrinting()) == false) {
        std::unique_ptr<SRptPageElement> created;
        item->CreateElement(*page, &created);
        const SRptPageElement* last = (*page)->GetLastElement();
        SRptPageElement* element = created ? (*page)->AddElement(std::move(created)) : nullptr;
        const RECT usable = (*page)->GetUsableRect();
        const int32_t height = usable.bottom - usable.top;
        const int32_t available = last ? usable.bottom - (last->GetBottom() + 1) : height;
        int32_t status = 0;
        const HRESULT hr = item->Layout(*page, Width(usable), available, height, element, &status);
        if ((hr == S_FALSE || FAILED(hr)) && element) (*page)->RemoveElement(element);
        if (FAILED(hr) || status != RPTLAYOUT_MORE) break;
        SRptPhysicalPage* next = nullptr;
        if (FAILED(AddPage(item->GetFrame(), &next)) || !next) break;
        *page = next;
        SetupPage(next, item->GetFrame(), item->IsTableItem());
    }
    item->End();
    if (!*stopped) *stopped = !ContinuePrinting();
    return S_OK;
}

HRESULT SRptPhysicalLayer::Paginate() {
    OpenPrintingDialog("Pagination", SString(), SString());
    if (!m_items.empty()) {
        SRptPhysicalItem* first = m_items.front().get();
        SRptPhysicalPage* page = nullptr;
        AddPage(first->GetFrame(), &page);
        SComWrap<ISRptTemplate> reportTemplate;
        if (first->GetFrame() && first->GetFrame()->GetNode()) reportTemplate = first->GetFrame()->GetNode()->GetItem();
        SComWrap<ISRptReport> report;
        if (reportTemplate) report = reportTemplate->GetParentReport();
        // A title page has no header or footer.
        if (!report || !report->GetHasFirstPage()) SetupPage(page, first->GetFrame(), 0);
        bool stopped = false;
        for (size_t i = 0; i < m_items.size() && page && !stopped; ++i) PaginateItem(m_items[i].get(), &page, &stopped);
        // A break opens the page for what comes after it: when nothing came, the report ends on
        // the page before, as readers show its RTF. Only the last page goes, so every other keeps
        // its number for the contents and the headers laid out after this.
        if (m_pages.size() > 1 && m_pages.back()->GetElements().empty()) m_pages.pop_back();
    }
    ClosePrintingDialog();
    return S_OK;
}

HRESULT SRptPhysicalLayer::UpdateTablesOfContents() {
    SWaitCursor wait;
    for (const auto& item : m_items) {
        SComWrap<ISRepObject> object = ObjectOf(item->GetGenerationNode());
        if (!object || object->GetClassID() != CLSID_SRptTblCts) continue;
        if (auto* contents = dynamic_cast<SRptPhysicalItemTblCts*>(item.get())) {
            const HRESULT hr = contents->Relayout();
            if (FAILED(hr)) return hr;
        }
    }
    return S_OK;
}

HRESULT SRptPhysicalLayer::RelayoutBand(SRptPhysicalPage* page, bool header, SRptPageFrame* frame, int32_t height) {
    SRptPageElement* element = header ? page->GetHeaderElement() : page->GetFooterElement();
    if (!element || !element->GetItem()) return S_OK;
    auto* band = static_cast<SRptPhysicalItemHeaderFooter*>(element->GetItem());
    element->DropDrawable();
    int32_t status = 0;
    return band->Layout(page, Width(header ? frame->GetHeaderRect() : frame->GetFooterRect()), height, height, element,
                        &status);
}

HRESULT SRptPhysicalLayer::LayoutHeadersFooters() {
    SWaitCursor wait;
    for (const auto& page : m_pages) {
        SRptPageElement* headerElement = page->GetHeaderElement();
        if (!headerElement || !headerElement->GetItem()) continue;
        SRptPageElement* footerElement = page->GetFooterElement();
        SRptPageFrame* headerFrame = headerElement->GetItem()->GetFrame();
        SRptPageElement* first = page->GetElements().empty() ? headerElement : page->GetElements().front().get();
        SRptPageFrame* bodyFrame = first->GetItem() ? first->GetItem()->GetFrame() : headerFrame;
        SRptPageFrame* footerFrame =
            footerElement && footerElement->GetItem() ? footerElement->GetItem()->GetFrame() : headerFrame;
        if (!headerFrame || !bodyFrame || !footerFrame) continue;
        auto* header = static_cast<SRptPhysicalItemHeaderFooter*>(headerElement->GetItem());
        SRptPhysicalItemHeaderFooter* footer = footerFrame->GetFooterItem();
        for (SRptPhysicalItemHeaderFooter* band : {header, footer}) {
            if (!band) continue;
            band->SetPageNumber(page->GetPageNumber());
            band->Begin();
        }
        const int32_t h = BandHeight(bodyFrame);
        RelayoutBand(page.get(), true, bodyFrame, h);
        RelayoutBand(page.get(), false, bodyFrame, h);
        for (SRptPhysicalItemHeaderFooter* band : {header, footer})
            if (band) band->End();
    }
    return S_OK;
}
