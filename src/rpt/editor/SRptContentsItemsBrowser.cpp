#include "rpt/editor/SRptContentsItemsBrowser.h"

#include <vector>

#include "platform/com/SComTable.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SOleDataObject.h"
#include "platform/repo/SRepLabelEdit.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SKeyState.h"
#include "platform/ui/STabWnd.h"
#include "rpt/editor/SRptAvailableItemsBrowser.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/ISRptGrpTitle.h"

namespace {

// The display flag that each display command (45011-45014) stands for.
constexpr int32_t kDisplayFlags[] = {0, 1, 2, 4};

// The kinds whose double click opens their editor.
bool OpensEditorOnDoubleClick(const GUID& kind) {
    for (const GUID* editable :
         {&CLSID_SRptText, &CLSID_SRptTitle, &CLSID_SRptTextFile, &CLSID_SRptGraphicFile, &CLSID_SRptGrpText,
          &CLSID_SRptGrpTitle, &CLSID_SRptFolder, &CLSID_SRptList, &CLSID_SRptForm, &CLSID_SRptTblCts})
        if (kind == *editable) return true;
    return false;
}

}  // namespace

const SClassInfo SRptContentsItemsBrowser::classSRptContentsItemsBrowser = {"SRptContentsItemsBrowser",
                                                                            &SRepBrowserEx::classSRepBrowserEx};

S_BEGIN_MESSAGE_MAP(SRptContentsItemsBrowser, SRepBrowserEx)
    SMsgEntry::Message(WM_SETFOCUS, &SRptContentsItemsBrowser::OnSetFocus),
    SMsgEntry::Command(ID_RPT_ITEM_UP, &SRptContentsItemsBrowser::OnItemUp),
    SMsgEntry::Command(ID_RPT_ITEM_DOWN, &SRptContentsItemsBrowser::OnItemDown),
    SMsgEntry::Command(ID_RPT_ITEM_RAISE, &SRptContentsItemsBrowser::OnItemRaise),
    SMsgEntry::Command(ID_RPT_ITEM_LOWER, &SRptContentsItemsBrowser::OnItemLower),
    SMsgEntry::Command(ID_RPT_ITEM_FORMAT, &SRptContentsItemsBrowser::OnFormatItem),
    SMsgEntry::Command(ID_RPT_ITEM_LAYOUT, &SRptContentsItemsBrowser::OnLayoutItem),
    SMsgEntry::Command(ID_RPT_ITEM_EDIT, &SRptContentsItemsBrowser::OnEditItem),
    SMsgEntry::Command(ID_RPT_ITEM_HEADER_FOOTER, &SRptContentsItemsBrowser::OnHeaderFooter),
    SMsgEntry::Command(ID_RPT_CHANGE_FONTS, &SRptContentsItemsBrowser::OnChangeFonts),
    SMsgEntry::Command(ID_RPT_DISPLAY_ALL, &SRptContentsItemsBrowser::OnDispAll),
    SMsgEntry::Command(ID_RPT_DISPLAY_MODIFIED, &SRptContentsItemsBrowser::OnDispModified),
    SMsgEntry::Command(ID_RPT_DISPLAY_PATH, &SRptContentsItemsBrowser::OnDispFilePath),
    SMsgEntry::Command(ID_RPT_DISPLAY_CONTENT, &SRptContentsItemsBrowser::OnDispFileContent),
    SMsgEntry::Command(ID_RPT_DISPLAY_USER_ORDER, &SRptContentsItemsBrowser::OnUserOrder),
    SMsgEntry::Command(ID_RPT_DISPLAY_ALPHA_ORDER, &SRptContentsItemsBrowser::OnAlphOrder),
    SMsgEntry::Command(ID_FILE_PAGE_SETUP, &SRptContentsItemsBrowser::OnFilePageSetup),
    SMsgEntry::Command(ID_EDIT_DELETE, &SRptContentsItemsBrowser::OnDeleteItem),
    SMsgEntry::Command(ID_EDIT_CUT, &SRptContentsItemsBrowser::OnEditCut),
    SMsgEntry::CommandRange(ID_RPT_NODE_COMMAND_FIRST, ID_RPT_NODE_COMMAND_LAST,
                            &SRptContentsItemsBrowser::HandleBrowserCommand),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_UP, &SRptContentsItemsBrowser::OnItemUpUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_DOWN, &SRptContentsItemsBrowser::OnItemDownUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_RAISE, &SRptContentsItemsBrowser::OnItemRaiseUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_LOWER, &SRptContentsItemsBrowser::OnItemLowerUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_ADD, &SRptContentsItemsBrowser::OnAvailableItemsUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_FORMAT, &SRptContentsItemsBrowser::OnFormatItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_LAYOUT, &SRptContentsItemsBrowser::OnLayoutItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_EDIT, &SRptContentsItemsBrowser::OnEditItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_HEADER_FOOTER, &SRptContentsItemsBrowser::OnHeaderFooterUI),
    SMsgEntry::UpdateUI(ID_RPT_CHANGE_FONTS, &SRptContentsItemsBrowser::OnChangeFontsUI),
    SMsgEntry::UpdateUI(ID_FILE_PAGE_SETUP, &SRptContentsItemsBrowser::OnFilePageSetupUI),
    SMsgEntry::UpdateUI(ID_EDIT_DELETE, &SRptContentsItemsBrowser::OnDeleteItemUI),
    SMsgEntry::UpdateUI(ID_RPT_RENAME, &SRptContentsItemsBrowser::OnDeleteItemUI),
    S_END_MESSAGE_MAP()

        SRptContentsItemsBrowser::SRptContentsItemsBrowser(ISRptTemplate* tpl, SRptViewBase* view,
                                                           SRptShellViewClassBase* shellViewClass)
    : SRepBrowserEx(RPT_CONTENTS_BROWSER_STYLE), SRptBaseContentsItemsBrowser(view), m_pTemplate(tpl) {
    if (HMENU menu = SRptAvailableItemsBrowser::LoadContextMenu(IDR_RPT_CONTENTS_BROWSER_MENU, shellViewClass))
        AddBrowserCommandsContextMenu(menu);
}

SRptContentsItemsBrowser::~SRptContentsItemsBrowser() = default;

// ---- the contents pane ----

void SRptContentsItemsBrowser::MoveSelection(uint32_t direction) {
    SComTable<ISRepObject> objects;
    for (SRepBrowserNode* node : GetSelection())
        if (ISRepObject* object = node->GetISRepObject()) objects.Add(object);
    if (!m_pTemplate) SComThrow(E_POINTER);
    // The template tells of its own failures; the tree shows whatever it did.
    m_pTemplate->MoveContentsItemDirctn(objects, direction);
    RefreshTree();
}

void SRptContentsItemsBrowser::DestroyPane() {
    ReleaseRoot();
    Release();
}

HRESULT SRptContentsItemsBrowser::AddItemToTemplate(ISRptItem* item, ISRptItem** added) {
    if (added) *added = nullptr;
    if (!item || !m_pTemplate) return E_POINTER;
    // The place: at the user's current node, or in the template itself.
    SComWrap<ISRptItem> target;
    if (SRepBrowserNode* current = GetCurrentNode())
        target = SRptAvailableItemsBrowser::ItemOf(current->GetISRepObject());
    if (!target) target.Reset(m_pTemplate.Get());
    const bool altDown = GetKeyState(VK_MENU) < 0;
    SComWrap<ISRptItem> parent;
    int32_t position = -1;
    HRESULT hr = item->ComputeParentTargetAndPos(target.Get(), altDown, &parent, &position);
    if (FAILED(hr)) return hr;
    if (!parent) return S_FALSE;
    SComWrap<ISRptItem> made;
    if (item->CanDropItemIntoParentAtPos(parent.Get(), position) == S_OK)
        hr = m_pTemplate->AddTemplateItem(item, parent.Get(), position, &made);
    else
        hr = m_pTemplate->AddTemplateItemWithParent(item, parent.Get(), position, &made);
    if (FAILED(hr)) return hr;
    if (made) ShowAddedItem(made.Get());
    if (added) *added = made.Detach();
    return hr;
}

void SRptContentsItemsBrowser::ShowAddedItem(ISRptItem* added) {
    // The parents' nodes are looked up from the top down, so that each is there to show the next.
    std::vector<SComWrap<ISRptItem>> chain{SComWrap<ISRptItem>(added)};
    SComWrap<ISRptItem> above;
    added->GetParentItem(&above);
    while (above) {
        chain.insert(chain.begin(), above);
        SComWrap<ISRptItem> next;
        above->GetParentItem(&next);
        above = next;
    }
    for (const auto& each : chain) {
        if (LookupNode(each.Get())) continue;
        if (!ShowItemNode(each.Get())) {
            // A part of the tree this browser never showed: it is all made again.
            RefreshTree();
            break;
        }
    }
    if (auto* node = dynamic_cast<SRepBrowserNode*>(LookupNode(added))) Select(node);
}

bool SRptContentsItemsBrowser::ShowItemNode(ISRptItem* item) {
    SComWrap<ISRptItem> parent;
    item->GetParentItem(&parent);
    auto* parentNode = parent ? dynamic_cast<SRepBrowserNode*>(LookupNode(parent.Get())) : nullptr;
    if (!parentNode) return false;
    int32_t position = -1;
    if (item->GetPosInParentCollection(&position) != S_OK) return false;
    // Only the new item's node is made (with its own subtree): the rest of the tree stands.
    return parentNode->InsertChildNode(item, position) != nullptr;
}

HRESULT SRptContentsItemsBrowser::DeleteItemFromTemplate(ISRptItem* item) {
    if (!m_pTemplate) return E_POINTER;
    return m_pTemplate->DeleteTemplateItem(item);
}

HRESULT SRptContentsItemsBrowser::GetActiveTemplate(ISRptTemplate** out) {
    if (!out) return E_POINTER;
    return m_pTemplate.CopyTo(out);
}

// ---- display states and labels ----

int32_t SRptContentsItemsBrowser::IsMenuItemChecked(uint32_t id) {
    if (id < ID_RPT_DISPLAY_ALL || id > ID_RPT_DISPLAY_ALPHA_ORDER) return 0;
    if (SRptAvailableItemsBrowser::SelectionSupportsCommand(*this, id) != 1) return 0;
    SRepBrowserNode* first = GetSelection().front();
    ISRepObject* object = first->GetISRepObject();
    if (!object) return 0;
    if (id == ID_RPT_DISPLAY_USER_ORDER || id == ID_RPT_DISPLAY_ALPHA_ORDER) {
        SComWrap<ISRptGrpTitle> title;
        title = static_cast<IUnknown*>(object);
        if (!title) return 0;
        return title->GetUserOrder() == (id == ID_RPT_DISPLAY_USER_ORDER) ? 1 : 0;
    }
    SComWrap<ISRptGrpMember> member;
    member = static_cast<IUnknown*>(object);
    if (!member) return 0;
    return member->GetDisplayFlag() == kDisplayFlags[id - ID_RPT_DISPLAY_ALL] ? 1 : 0;
}

void SRptContentsItemsBrowser::RecomputeSelectionLabel() {
    for (SRepBrowserNode* selected : GetSelection()) {
        auto* node = dynamic_cast<SRepBrowserNode*>(LookupNode(selected->GetISRepObject()));
        if (node) SetNodeText(node, node->GetNodeLabel());
    }
}

// ---- node events and hooks ----

int32_t SRptContentsItemsBrowser::OnDoubleClick(ISBrowserNode* node) {
    if (!node) return S_FALSE;
    ISRepObject* object = node->GetNodeObject();
    if (!object) return S_OK;
    const GUID kind = object->GetClassID();
    if (OpensEditorOnDoubleClick(kind))
        HandleBrowserCommand(ID_RPT_ITEM_EDIT);
    else if (kind == CLSID_SRptUserGraphic)
        HandleBrowserCommand(ID_RPT_ITEM_FORMAT);
    return S_OK;
}

int32_t SRptContentsItemsBrowser::OnEndLabelEdit(ISBrowserNode* node, const SString& label) {
    const int32_t renamed = SRepBrowserEx::OnEndLabelEdit(node, label);
    // In a report editor the tabs carry the templates' names: the tab shows the name the
    // template has now, which is the new one when it took it.
    if (m_pView && !m_pView->GetIsTemplateEditor() && m_pTemplate) {
        if (auto* tabs = dynamic_cast<STabWnd*>(GetParent())) {
            const int32_t index = tabs->GetTabIndex(this);
            if (index >= 0) tabs->SetTabText(index, m_pTemplate->GetName());
        }
    }
    return renamed;
}

HRESULT SRptContentsItemsBrowser::QueryCommandSupport(uint32_t, ISShellCommandClass* commandClass) {
    return SRptAvailableItemsBrowser::QueryBrowserCommandClass(commandClass);
}

uint32_t SRptContentsItemsBrowser::DropEnter(SOleDataObject& data, uint32_t keys, POINT point) {
    m_bDragAvailableItems = SRptAvailableItemsBrowser::DragHoldsItem(data, false) ? 1 : 0;
    return SRepBrowserEx::DropEnter(data, keys, point);
}

uint32_t SRptContentsItemsBrowser::GetDropEffects(SOleDataObject&) {
    return m_bDragAvailableItems ? DROPEFFECT_COPY : (DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

uint32_t SRptContentsItemsBrowser::GetCurrentDropEffect(uint32_t keys, uint32_t allowed) {
    // An available item is always copied: the container keeps its own.
    if (m_bDragAvailableItems == 1 || (keys & MK_CONTROL)) return allowed & DROPEFFECT_COPY;
    if (keys & MK_SHIFT) return allowed & DROPEFFECT_MOVE;
    switch (SRepOption::m_nDragDropDefAction) {
        case 1:
        case 3: return allowed & DROPEFFECT_MOVE;
        case 2: return allowed & DROPEFFECT_COPY;
        default: return allowed;
    }
}

// ---- commands ----

void SRptContentsItemsBrowser::HandleBrowserCommand(uint32_t id) {
    if (SRptAvailableItemsBrowser::RunSelectionCommand(*this, id)) RecomputeSelectionLabel();
}

void SRptContentsItemsBrowser::OnItemUp() {
    MoveSelection(RPT_MOVE_UP);
}

void SRptContentsItemsBrowser::OnItemDown() {
    MoveSelection(RPT_MOVE_DOWN);
}

void SRptContentsItemsBrowser::OnItemRaise() {
    MoveSelection(RPT_MOVE_RAISE);
}

void SRptContentsItemsBrowser::OnItemLower() {
    MoveSelection(RPT_MOVE_LOWER);
}

void SRptContentsItemsBrowser::OnFormatItem() {
    HandleBrowserCommand(ID_RPT_ITEM_FORMAT);
}

void SRptContentsItemsBrowser::OnLayoutItem() {
    HandleBrowserCommand(ID_RPT_ITEM_LAYOUT);
}

void SRptContentsItemsBrowser::OnEditItem() {
    HandleBrowserCommand(ID_RPT_ITEM_EDIT);
}

void SRptContentsItemsBrowser::OnHeaderFooter() {
    HandleBrowserCommand(ID_RPT_ITEM_HEADER_FOOTER);
}

void SRptContentsItemsBrowser::OnChangeFonts() {
    SRptAvailableItemsBrowser::RunChangeFonts(m_pView);
}

void SRptContentsItemsBrowser::OnDispAll() {
    HandleBrowserCommand(ID_RPT_DISPLAY_ALL);
}

void SRptContentsItemsBrowser::OnDispModified() {
    HandleBrowserCommand(ID_RPT_DISPLAY_MODIFIED);
}

void SRptContentsItemsBrowser::OnDispFilePath() {
    HandleBrowserCommand(ID_RPT_DISPLAY_PATH);
}

void SRptContentsItemsBrowser::OnDispFileContent() {
    HandleBrowserCommand(ID_RPT_DISPLAY_CONTENT);
}

void SRptContentsItemsBrowser::OnUserOrder() {
    HandleBrowserCommand(ID_RPT_DISPLAY_USER_ORDER);
}

void SRptContentsItemsBrowser::OnAlphOrder() {
    HandleBrowserCommand(ID_RPT_DISPLAY_ALPHA_ORDER);
}

void SRptContentsItemsBrowser::OnFilePageSetup() {
    if (!m_pTemplate) return;
    SComTable<ISRepObject> objects;
    objects.Add(m_pTemplate.Get());
    m_pTemplate->HandlePopupCommand(ID_FILE_PAGE_SETUP, objects, this);
}

void SRptContentsItemsBrowser::OnDeleteItem() {
    if (GetEditedNode()) {
        if (SWnd* edit = SWnd::FromHandle(static_cast<HWND>(SendMessage(TVM_GETEDITCONTROL)))) DeleteInLabelEdit(*edit);
        return;
    }
    // No confirmation here: the template removes what it is given.
    for (const auto& item : SRptAvailableItemsBrowser::GetSelectedItems(*this)) DeleteItemFromTemplate(item.Get());
    RefreshTree();
}

void SRptContentsItemsBrowser::DeleteInLabelEdit(SWnd& edit) {
    uint32_t start = 0;
    uint32_t end = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        const auto length = static_cast<uint32_t>(edit.SendMessage(EM_LINELENGTH, start));
        if (end < length) edit.SendMessage(EM_SETSEL, start, static_cast<LPARAM>(end + 1));
    }
    edit.SendMessage(EM_SCROLLCARET);
    edit.SendMessage(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(""));
}

void SRptContentsItemsBrowser::OnEditCut() {
    if (SRptAvailableItemsBrowser::SelectionHoldsClass(*this, CLSID_SRptTemplate)) return;
    CutSelection();
}

bool SRptContentsItemsBrowser::SelectionCanMove(uint32_t direction) const {
    const std::vector<SComWrap<ISRptItem>> items = SRptAvailableItemsBrowser::GetSelectedItems(*this);
    if (items.empty()) return false;
    for (const auto& item : items) {
        HRESULT answer = S_FALSE;
        switch (direction) {
            case RPT_MOVE_UP: answer = item->CanMoveItemUp(); break;
            case RPT_MOVE_DOWN: answer = item->CanMoveItemDown(); break;
            case RPT_MOVE_RAISE: answer = item->CanMoveItemRaise(); break;
            case RPT_MOVE_LOWER: answer = item->CanMoveItemLower(); break;
            default: break;
        }
        if (answer != S_OK) return false;
    }
    return true;
}

void SRptContentsItemsBrowser::OnItemUpUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, SelectionCanMove(RPT_MOVE_UP));
}

void SRptContentsItemsBrowser::OnItemDownUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, SelectionCanMove(RPT_MOVE_DOWN));
}

void SRptContentsItemsBrowser::OnItemRaiseUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, SelectionCanMove(RPT_MOVE_RAISE));
}

void SRptContentsItemsBrowser::OnItemLowerUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, SelectionCanMove(RPT_MOVE_LOWER));
}

void SRptContentsItemsBrowser::OnAvailableItemsUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, false);
}

void SRptContentsItemsBrowser::OnFormatItemUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_FORMAT, false);
}

void SRptContentsItemsBrowser::OnLayoutItemUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_LAYOUT, true);
}

void SRptContentsItemsBrowser::OnEditItemUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_EDIT, true);
}

void SRptContentsItemsBrowser::OnHeaderFooterUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_HEADER_FOOTER, true);
}

void SRptContentsItemsBrowser::OnChangeFontsUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, true);
}

void SRptContentsItemsBrowser::OnFilePageSetupUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(cmdUI, true);
}

void SRptContentsItemsBrowser::OnDeleteItemUI(SCmdUI* cmdUI) {
    SRptAvailableItemsBrowser::EnableIf(
        cmdUI, GetSelectedCount() > 0 && !SRptAvailableItemsBrowser::SelectionHoldsClass(*this, CLSID_SRptTemplate));
}

void SRptContentsItemsBrowser::OnSetFocus() {
    if (m_pView) m_pView->SetFocusOnLeftPane(0, 0);
    Default();
}
