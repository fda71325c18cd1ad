#include "rpt/editor/SRptAvailableItemsBrowser.h"

#include "platform/base/SModuleState.h"
#include "platform/com/SComTable.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/ISRepDataSrc.h"
#include "platform/repo/SOleDataObject.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SMenu.h"
#include "rpt/dialogs/SRptDlgChangeFonts.h"
#include "rpt/editor/SRptBrowserCommandClass.h"
#include "rpt/editor/SRptBrowserNodeItem.h"
#include "rpt/editor/SRptShellViewClassBase.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

namespace {

// The change-fonts sheet: the "Format" template with the one font page.
constexpr uint32_t IDD_RPT_CHANGE_FONTS = 213;

}  // namespace

const SClassInfo SRptAvailableItemsBrowser::classSRptAvailableItemsBrowser = {"SRptAvailableItemsBrowser",
                                                                              &SRepBrowserEx::classSRepBrowserEx};

S_BEGIN_MESSAGE_MAP(SRptAvailableItemsBrowser, SRepBrowserEx)
    SMsgEntry::Message(WM_SETFOCUS, &SRptAvailableItemsBrowser::OnSetFocus),
    SMsgEntry::CommandRange(ID_RPT_NODE_FIRST, ID_RPT_NODE_LAST, &SRptAvailableItemsBrowser::HandleBrowserCommand),
    SMsgEntry::Command(ID_RPT_ITEM_ADD, &SRptAvailableItemsBrowser::OnAddItem),
    SMsgEntry::Command(ID_RPT_ITEM_FORMAT, &SRptAvailableItemsBrowser::OnFormatItem),
    SMsgEntry::Command(ID_RPT_ITEM_LAYOUT, &SRptAvailableItemsBrowser::OnLayoutItem),
    SMsgEntry::Command(ID_RPT_ITEM_HEADER_FOOTER, &SRptAvailableItemsBrowser::OnHeaderFooter),
    SMsgEntry::Command(ID_RPT_ITEM_EDIT, &SRptAvailableItemsBrowser::OnEditItem),
    SMsgEntry::Command(ID_RPT_CHANGE_FONTS, &SRptAvailableItemsBrowser::OnChangeFonts),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_ADD, &SRptAvailableItemsBrowser::OnAddItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_FORMAT, &SRptAvailableItemsBrowser::OnFormatItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_LAYOUT, &SRptAvailableItemsBrowser::OnLayoutItemUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_HEADER_FOOTER, &SRptAvailableItemsBrowser::OnHeaderFooterUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_EDIT, &SRptAvailableItemsBrowser::OnEditItemUI),
    SMsgEntry::UpdateUI(ID_RPT_CHANGE_FONTS, &SRptAvailableItemsBrowser::OnChangeFontsUI),
    SMsgEntry::UpdateUIRange(ID_RPT_ITEM_UP, ID_RPT_ITEM_LOWER, &SRptAvailableItemsBrowser::OnContentsItemsUI),
    SMsgEntry::UpdateUI(ID_RPT_FILE_PAGE_SETUP, &SRptAvailableItemsBrowser::OnContentsItemsUI),
    SMsgEntry::UpdateUI(ID_RPT_EDIT_DELETE, &SRptAvailableItemsBrowser::OnContentsItemsUI),
    SMsgEntry::UpdateUI(ID_RPT_ITEM_RENAME, &SRptAvailableItemsBrowser::OnContentsItemsUI),
    S_END_MESSAGE_MAP()

        SRptAvailableItemsBrowser::SRptAvailableItemsBrowser(SRptViewBase* view, ISRptAvailableItems* items,
                                                             SRptShellViewClassBase* shellViewClass)
    : SRepBrowserEx(RPT_AVAILABLE_BROWSER_STYLE), m_pView(view), m_pAvailableItems(items) {
    if (HMENU menu = LoadContextMenu(IDR_RPT_AVAILABLE_BROWSER_MENU, shellViewClass))
        AddBrowserCommandsContextMenu(menu);
}

SRptAvailableItemsBrowser::~SRptAvailableItemsBrowser() = default;

// ---- shared with the contents browsers ----

HMENU SRptAvailableItemsBrowser::LoadContextMenu(uint32_t id, SRptShellViewClassBase* shellViewClass) {
    SModuleStateGuard state(SRptGetModuleState());
    SMenu menu;
    if (!menu.LoadMenu(id)) return 0;
    SRptBrowserCommandClass::StampMenu(menu.GetSafeHmenu(),
                                       shellViewClass ? shellViewClass->GetCommandClassFace() : nullptr,
                                       SRptBrowserCommandClass::GetFace());
    return menu.Detach();
}

std::vector<SComWrap<ISRptItem>> SRptAvailableItemsBrowser::GetSelectedItems(const SRepBrowserEx& browser) {
    std::vector<SComWrap<ISRptItem>> items;
    for (SRepBrowserNode* node : browser.GetSelection())
        if (SComWrap<ISRptItem> item = ItemOf(node->GetISRepObject())) items.push_back(item);
    return items;
}

bool SRptAvailableItemsBrowser::RunSelectionCommand(SRepBrowserEx& browser, uint32_t id) {
    const std::vector<SComWrap<ISRptItem>> items = GetSelectedItems(browser);
    // One class throughout lets the item's own handler run the command for all of them.
    bool mixed = false;
    for (const auto& item : items) {
        if (item->GetClassID() != items.front()->GetClassID()) {
            mixed = true;
            break;
        }
    }
    // Pictures of the user and page breaks have no paragraphs that a Format dialog could edit.
    SComTable<ISRepObject> objects;
    for (const auto& item : items) {
        const GUID kind = item->GetClassID();
        if (kind == CLSID_SRptUserGraphic || kind == CLSID_SRptPageBreak) continue;
        objects.Add(item.Get());
    }
    if (!items.empty() && !mixed) {
        items.front()->HandlePopupCommand(id, objects, &browser);
        return false;
    }
    SModuleStateGuard state(SRptGetModuleState());
    SRptItemEditor::MixedFormatDialog(objects);
    return true;
}

int32_t SRptAvailableItemsBrowser::SelectionSupportsCommand(const SRepBrowserEx& browser, uint32_t id) {
    const std::vector<SComWrap<ISRptItem>> items = GetSelectedItems(browser);
    if (items.empty()) return 0;
    if (items.front()->IsItemSupportCommand(id) != S_OK) return 0;
    // Format over items of several classes runs as the mixed-class dialog; any other command
    // is the first item's, which speaks only for items of its own class.
    if (id == ID_RPT_ITEM_FORMAT) return 1;
    const GUID kind = items.front()->GetClassID();
    for (const auto& item : items)
        if (item->GetClassID() != kind) return 0;
    return 1;
}

HRESULT SRptAvailableItemsBrowser::QueryBrowserCommandClass(ISShellCommandClass* commandClass) {
    if (!commandClass) return S_FALSE;
    if (commandClass == SRptBrowserCommandClass::GetFace()) return S_OK;
    if (commandClass == SRptBrowserNodeItem::GetViewCommandClass(1)) return S_OK;
    if (commandClass == SRptBrowserNodeItem::GetViewCommandClass(0)) return S_OK;
    return S_FALSE;
}

void SRptAvailableItemsBrowser::RunChangeFonts(SRptViewBase* view) {
    SRptDlgChangeFonts::Open(view);
}

bool SRptAvailableItemsBrowser::DragHoldsItem(SOleDataObject& data, bool inTemplate) {
    ISRepDataSrc* source = data.GetRepDataSrc();
    if (!source) return false;
    int32_t count = 0;
    source->GetCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> object;
        if (FAILED(source->Item(i, &object))) continue;
        SComWrap<ISRptItem> item = ItemOf(object.Get());
        if (item && item->GetInTemplate() == inTemplate) return true;
    }
    return false;
}

void SRptAvailableItemsBrowser::EnableIf(SCmdUI* cmdUI, bool on) {
    if (cmdUI) cmdUI->Enable(on ? 1 : 0);
}

void SRptAvailableItemsBrowser::UpdateSelectionCommand(SCmdUI* cmdUI, const SRepBrowserEx& browser, uint32_t id,
                                                       bool oneObject) {
    EnableIf(cmdUI, SelectionSupportsCommand(browser, id) == 1 && (!oneObject || browser.GetSelectedCount() == 1));
}

bool SRptAvailableItemsBrowser::SelectionHoldsClass(const SRepBrowserEx& browser, const GUID& kind) {
    for (SRepBrowserNode* node : browser.GetSelection())
        if (ISRepObject* object = node->GetISRepObject())
            if (object->GetClassID() == kind) return true;
    return false;
}

SComWrap<ISRptItem> SRptAvailableItemsBrowser::ItemOf(ISRepObject* object) {
    SComWrap<ISRptItem> item;
    if (object) item = static_cast<IUnknown*>(object);
    return item;
}

// ---- node events and hooks ----

int32_t SRptAvailableItemsBrowser::OnDoubleClick(ISBrowserNode* node) {
    if (!node) return S_FALSE;
    ISRepObject* object = node->GetNodeObject();
    if (!object) return E_POINTER;
    SComWrap<ISRptItem> item = ItemOf(object);
    if (!item) return S_FALSE;
    // The container's own node stands for all of its items: nothing to add.
    if (item->GetClassID() == CLSID_SRptAvailableItems) return S_OK;
    if (!m_pView) return E_POINTER;
    SComWrap<ISRptItem> added;
    return m_pView->AddItemToActiveTemplate(item.Get(), &added);
}

HRESULT SRptAvailableItemsBrowser::QueryCommandSupport(uint32_t, ISShellCommandClass* commandClass) {
    return QueryBrowserCommandClass(commandClass);
}

uint32_t SRptAvailableItemsBrowser::CallTrackPopup(HMENU menu) {
    return SRepBrowserEx::CallTrackPopup(menu, 0);
}

uint32_t SRptAvailableItemsBrowser::DropEnter(SOleDataObject& data, uint32_t keys, POINT point) {
    m_bDragInTemplateItems = DragHoldsItem(data, true) ? 1 : 0;
    return SRepBrowserEx::DropEnter(data, keys, point);
}

uint32_t SRptAvailableItemsBrowser::DropOver(SOleDataObject&, uint32_t, POINT) {
    return m_bDragInTemplateItems == 1 ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

uint32_t SRptAvailableItemsBrowser::GetDropEffects(SOleDataObject&) {
    return m_bDragInTemplateItems == 1 ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

uint32_t SRptAvailableItemsBrowser::GetCurrentDropEffect(uint32_t, uint32_t allowed) {
    return m_bDragInTemplateItems == 1 ? (allowed & DROPEFFECT_MOVE) : DROPEFFECT_NONE;
}

// ---- commands ----

void SRptAvailableItemsBrowser::HandleBrowserCommand(uint32_t id) {
    RunSelectionCommand(*this, id);
}

void SRptAvailableItemsBrowser::OnAddItem() {
    if (!m_pView) return;
    for (const auto& item : GetSelectedItems(*this)) {
        if (item->GetClassID() == CLSID_SRptAvailableItems) continue;
        SComWrap<ISRptItem> added;
        m_pView->AddItemToActiveTemplate(item.Get(), &added);
    }
}

void SRptAvailableItemsBrowser::OnFormatItem() {
    HandleBrowserCommand(ID_RPT_ITEM_FORMAT);
}

void SRptAvailableItemsBrowser::OnLayoutItem() {
    HandleBrowserCommand(ID_RPT_ITEM_LAYOUT);
}

void SRptAvailableItemsBrowser::OnHeaderFooter() {
    HandleBrowserCommand(ID_RPT_ITEM_HEADER_FOOTER);
}

void SRptAvailableItemsBrowser::OnEditItem() {
    HandleBrowserCommand(ID_RPT_ITEM_EDIT);
}

void SRptAvailableItemsBrowser::OnChangeFonts() {
    RunChangeFonts(m_pView);
}

void SRptAvailableItemsBrowser::OnAddItemUI(SCmdUI* cmdUI) {
    EnableIf(cmdUI, GetSelectedCount() > 0 && !SelectionHoldsClass(*this, CLSID_SRptAvailableItems));
}

void SRptAvailableItemsBrowser::OnFormatItemUI(SCmdUI* cmdUI) {
    UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_FORMAT, false);
}

void SRptAvailableItemsBrowser::OnLayoutItemUI(SCmdUI* cmdUI) {
    UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_LAYOUT, true);
}

void SRptAvailableItemsBrowser::OnHeaderFooterUI(SCmdUI* cmdUI) {
    UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_HEADER_FOOTER, true);
}

void SRptAvailableItemsBrowser::OnEditItemUI(SCmdUI* cmdUI) {
    UpdateSelectionCommand(cmdUI, *this, ID_RPT_ITEM_EDIT, true);
}

void SRptAvailableItemsBrowser::OnChangeFontsUI(SCmdUI* cmdUI) {
    EnableIf(cmdUI, true);
}

void SRptAvailableItemsBrowser::OnContentsItemsUI(SCmdUI* cmdUI) {
    EnableIf(cmdUI, false);
}

void SRptAvailableItemsBrowser::OnSetFocus() {
    if (m_pView) m_pView->SetFocusOnLeftPane(1, 0);
    Default();
}
