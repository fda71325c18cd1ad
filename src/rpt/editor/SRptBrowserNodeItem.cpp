#include "rpt/editor/SRptBrowserNodeItem.h"

#include "platform/base/SModuleState.h"
#include "platform/repo/ISRepDataSrc.h"
#include "platform/repo/SOleDataObject.h"
#include "platform/ui/SKeyState.h"
#include "platform/ui/SMenu.h"
#include "rpt/editor/RptCommandIds.h"
#include "rpt/editor/SRptBrowserCommandClass.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

// The style the nodes ask their children's items to make their nodes with.
constexpr uint32_t kChildNodeStyle = 2;
// The caller of a drop test or drop chose the parent and the position itself.
constexpr uint32_t kDropIntoTarget = 0x1;

bool IsAltDown() {
    return GetKeyState(VK_MENU) < 0;
}

// The command face of a kind of view (null while there is none).
template <class ViewClass>
ISShellCommandClass* CommandFaceOf(ViewClass* viewClass) {
    return viewClass ? viewClass->GetCommandClassFace() : nullptr;
}

// The objects a drag carries, and one of them as a report item (null when it is none).
int32_t DraggedCount(ISRepDataSrc* source) {
    int32_t count = 0;
    source->GetCount(&count);
    return count;
}

SComWrap<ISRptItem> DraggedItem(ISRepDataSrc* source, int32_t position) {
    SComWrap<ISRepObject> object;
    SComWrap<ISRptItem> item;
    if (SUCCEEDED(source->Item(position, &object)) && object) item = static_cast<IUnknown*>(object.Get());
    return item;
}

}  // namespace

const SClassInfo SRptBrowserNodeItem::classSRptBrowserNodeItem = {"SRptBrowserNodeItem",
                                                                  &SRepBrowserNode::classSRepBrowserNode};

ISShellCommandClass* SRptBrowserNodeItem::GetViewCommandClass(int32_t editorKind) {
    if (editorKind == RPT_EDITOR_TEMPLATE) return CommandFaceOf(SRptShellModule::GetTemplateViewClass());
    return CommandFaceOf(SRptShellModule::GetReportViewClass());
}

SComWrap<ISRptItem> SRptBrowserNodeItem::GetItem() const {
    SComWrap<ISRptItem> item;
    if (ISRepObject* object = GetISRepObject()) item = static_cast<IUnknown*>(object);
    return item;
}

uint32_t SRptBrowserNodeItem::ByItemState(uint32_t outside, uint32_t inside) const {
    SComWrap<ISRptItem> item = GetItem();
    if (!item) return 0;
    return item->GetInTemplate() ? inside : outside;
}

// ---- initialisation and children ----

int32_t SRptBrowserNodeItem::InitNode(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                                      int32_t labelAttribute) {
    m_placed = Construct(object, flags, parent, after, labelAttribute) != 0;
    GetISBrowserNode()->SetNodeInfo({RPT_NODE_INFO_MASK, RPT_NODE_INFO_ITEM});

    SModuleStateGuard state(SRptGetModuleState());
    const uint32_t menuId = GetContextMenuID() & 0xFFFF;
    SMenu menu;
    if (!menuId || !menu.LoadMenu(menuId)) return 1;
    SRptBrowserCommandClass::StampMenu(menu.GetSafeHmenu(), GetViewCommandClass(m_editorKind),
                                       SRptBrowserCommandClass::GetFace());
    ISBrowserView* view = GetISBrowserView();
    if (!view || !view->SetNodeContextMenu(GetISBrowserNode(), menu.GetSafeHmenu())) return 1;
    // The browser owns the menu now.
    menu.Detach();
    return 0;
}

int32_t SRptBrowserNodeItem::GetChildCollectionID() const {
    return RPTITEM_ITEMS;
}

ISBrowserNode* SRptBrowserNodeItem::CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t labelAttribute) {
    SComWrap<ISRptItem> item;
    item = static_cast<IUnknown*>(child);
    if (!item) return nullptr;
    SRptBrowserNodeItem* node = nullptr;
    if (FAILED(item->CreateBrowserNode(GetISBrowserView(), kChildNodeStyle, GetISBrowserNode(), after, labelAttribute,
                                       m_editorKind == RPT_EDITOR_TEMPLATE, &node)) ||
        !node)
        return nullptr;
    return node->GetISBrowserNode();
}

// ---- commands ----

bool SRptBrowserNodeItem::DecidesFor(ISShellCommandClass* commandClass) const {
    if (!commandClass) return false;
    if (commandClass == SRptBrowserCommandClass::GetFace()) return true;
    // A node command comes with the view class of the node's own kind of editor.
    return commandClass == GetViewCommandClass(m_editorKind);
}

HRESULT SRptBrowserNodeItem::QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) {
    if (!DecidesFor(commandClass)) return SRepBrowserNode::QueryCommandSupport(id, commandClass);
    ISBrowserView* view = GetISBrowserView();
    const int32_t selected = view ? view->GetSelectedCount() : 0;

    const uint32_t first = GetFirstCommandID();
    if (first && id >= first && id <= GetLastCommandID()) {
        if (selected < 2 || AcceptsMultiSelection(id) == 1) return S_OK;
        return SRepBrowserNode::QueryCommandSupport(id, commandClass);
    }

    SComWrap<ISRptItem> item = GetItem();
    if (!item) return SRepBrowserNode::QueryCommandSupport(id, commandClass);
    const GUID kind = GetISRepObject()->GetClassID();
    bool offered = false;
    switch (id) {
        case ID_RPT_ITEM_ADD: offered = !item->GetInTemplate() && kind != CLSID_SRptAvailableItems; break;
        case ID_RPT_ITEM_FORMAT: offered = SelectionSupportsFormat(); break;
        case ID_RPT_ITEM_LAYOUT:
        case ID_RPT_ITEM_EDIT:
        case ID_RPT_ITEM_HEADER_FOOTER:
        case ID_RPT_DISPLAY_USER_ORDER:
        case ID_RPT_DISPLAY_ALPHA_ORDER: offered = item->IsItemSupportCommand(id) == S_OK && selected <= 1; break;
        case ID_RPT_DISPLAY_ALL:
        case ID_RPT_DISPLAY_MODIFIED:
        case ID_RPT_DISPLAY_PATH:
        case ID_RPT_DISPLAY_CONTENT: offered = item->IsItemSupportCommand(id) == S_OK; break;
        case ID_RPT_CHANGE_FONTS: offered = true; break;
        case ID_EDIT_DELETE: offered = item->GetInTemplate() && kind != CLSID_SRptTemplate; break;
        case ID_FILE_PAGE_SETUP:
        case ID_RPT_RENAME: offered = item->GetInTemplate() && kind == CLSID_SRptTemplate; break;
        case ID_RPT_ITEM_UP: offered = item->GetInTemplate() && item->CanMoveItemUp() == S_OK; break;
        case ID_RPT_ITEM_DOWN: offered = item->GetInTemplate() && item->CanMoveItemDown() == S_OK; break;
        case ID_RPT_ITEM_RAISE: offered = item->GetInTemplate() && item->CanMoveItemRaise() == S_OK; break;
        case ID_RPT_ITEM_LOWER: offered = item->GetInTemplate() && item->CanMoveItemLower() == S_OK; break;
        default: break;
    }
    return offered ? S_OK : SRepBrowserNode::QueryCommandSupport(id, commandClass);
}

bool SRptBrowserNodeItem::SelectionSupportsFormat() const {
    ISBrowserView* view = GetISBrowserView();
    if (!view) return false;
    const int32_t selected = view->GetSelectedCount();
    for (int32_t i = 0; i < selected; ++i) {
        ISBrowserNode* node = view->GetSelectedNode(i);
        ISRepObject* object = node ? node->GetNodeObject() : nullptr;
        SComWrap<ISRptItem> item;
        if (object) item = static_cast<IUnknown*>(object);
        if (!item) return false;
        if (item->IsItemSupportCommand(ID_RPT_ITEM_FORMAT) == S_OK) continue;
        // A page break has no format; among other items it does not stand in the way.
        if (object->GetClassID() == CLSID_SRptPageBreak && selected > 1) continue;
        return false;
    }
    return true;
}

// ---- drag and drop ----

HRESULT SRptBrowserNodeItem::PlaceOf(ISRptItem* dragged, ISRptItem* target, uint32_t flags, int32_t position,
                                     bool altDown, SComWrap<ISRptItem>& parent, int32_t* at) {
    if (flags & kDropIntoTarget) {
        parent.Reset(target);
        *at = position;
        return S_OK;
    }
    return dragged->ComputeParentTargetAndPos(target, altDown, &parent, at);
}

HRESULT SRptBrowserNodeItem::CanDrop(ISBrowserNode*, SOleDataObject& data, uint32_t flags, int32_t position,
                                     uint32_t effect, uint32_t* resultEffect) {
    if (!resultEffect) return S_OK;
    *resultEffect = 0;
    ISRepDataSrc* source = data.GetRepDataSrc();
    SComWrap<ISRptItem> target = GetItem();
    if (!source || !target) return S_OK;
    const bool altDown = IsAltDown();
    const int32_t count = DraggedCount(source);
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRptItem> dragged = DraggedItem(source, i);
        if (!dragged) return S_OK;
        SComWrap<ISRptItem> parent;
        int32_t at = -1;
        // A place that is no container has no parent: nothing can go there.
        if (FAILED(PlaceOf(dragged.Get(), target.Get(), flags, position, altDown, parent, &at)) || !parent) return S_OK;
        if (parent->GetModuleID().Compare(dragged->GetModuleID().c_str()) != 0) return S_OK;
        if (dragged->CanDropItemIntoParentAtPos(parent.Get(), at) != S_OK) return S_OK;
    }
    *resultEffect = effect;
    return S_OK;
}

HRESULT SRptBrowserNodeItem::Drop(ISBrowserNode*, SOleDataObject& data, uint32_t flags, int32_t position,
                                  uint32_t effect, uint32_t* resultEffect) {
    if (resultEffect) *resultEffect = effect;
    ISRepDataSrc* source = data.GetRepDataSrc();
    SComWrap<ISRptItem> target = GetItem();
    if (!source || !target || !target->GetInTemplate()) return S_OK;
    SComWrap<ISRptTemplate> templ;
    target->GetTemplate(&templ);
    if (!templ) SComThrow(E_POINTER);

    const bool altDown = IsAltDown();
    SComWrap<ISRptItem> parent;
    int32_t at = -1;
    const int32_t count = DraggedCount(source);
    HRESULT result = S_OK;
    for (int32_t i = 0; i < count && result == S_OK; ++i) {
        SComWrap<ISRptItem> dragged = DraggedItem(source, i);
        if (!dragged) {
            // What is no item cannot be placed; the template would refuse it the same way.
            result = E_POINTER;
            break;
        }
        if (i == 0) {
            PlaceOf(dragged.Get(), target.Get(), flags, position, altDown, parent, &at);
        } else if (at >= 0) {
            // The items follow one another in the order of the drag; items going to the end of
            // the parent (-1) are each appended, which keeps that order too.
            ++at;
        }
        SComWrap<ISRptItem> added;
        const HRESULT hr = templ->AddTemplateItem(dragged.Get(), parent.Get(), at, &added);
        // Nothing placed for this item (refused, or declined by the user) ends the drop.
        if (hr != S_OK || !added) result = FAILED(hr) ? hr : S_FALSE;
    }
    // A move must not take away originals of which not every one found its new place.
    if (result != S_OK && resultEffect) *resultEffect = 0;

    ISBrowserNode* parentNode = parent ? LookupNode(static_cast<ISRepObject*>(parent.Get())) : nullptr;
    // The refresh may rebuild this very node: nothing of it is used afterwards.
    if (parentNode) parentNode->Refresh(RPT_NODE_REFRESH_INSERTED);
    return result;
}
