#pragma once
// The tree of the items a host module registered (one available-items container), in the left
// pane of an editor. The user adds the selected items to the template shown on the right (Add,
// or a double click), opens the items' dialogs, and may drag items of a template here, which
// only moves them. The selection command, the command-support test and the command-class test
// serve the contents browsers as well.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepBrowserEx.h"
#include "rpt/editor/RptCommandIds.h"
#include "varod9/ISRptAvailableItems.h"

class SCmdUI;
class SRptShellViewClassBase;
class SRptViewBase;
struct ISShellCommandClass;

// The browsers' context menus.
inline constexpr uint32_t IDR_RPT_AVAILABLE_BROWSER_MENU = 350;
inline constexpr uint32_t IDR_RPT_CONTENTS_BROWSER_MENU = 351;
// The style words the browsers are made with.
inline constexpr uint32_t RPT_AVAILABLE_BROWSER_STYLE = 0x0200610A;
inline constexpr uint32_t RPT_CONTENTS_BROWSER_STYLE = 0x0100000B;

class SRptAvailableItemsBrowser : public SRepBrowserEx {
public:
    SRptAvailableItemsBrowser(SRptViewBase* view, ISRptAvailableItems* items, SRptShellViewClassBase* shellViewClass);
    ~SRptAvailableItemsBrowser() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptAvailableItemsBrowser; }
    static const SClassInfo classSRptAvailableItemsBrowser;
    S_DECLARE_MESSAGE_MAP()

public:
    SRptViewBase* GetView() const { return m_pView; }
    ISRptAvailableItems* GetAvailableItems() const { return m_pAvailableItems.Get(); }
    // 1 while a drag holding an item of a template is over the browser.
    int32_t GetDragFlag() const { return m_bDragInTemplateItems; }

    // Node events and the browser's hooks.
    int32_t OnDoubleClick(ISBrowserNode* node) override;
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    using SRepBrowserEx::CallTrackPopup;
    virtual uint32_t CallTrackPopup(HMENU menu);

    // Drops: only items of a template, and only as a move.
    uint32_t DropEnter(SOleDataObject& data, uint32_t keys, POINT point) override;
    uint32_t DropOver(SOleDataObject& data, uint32_t keys, POINT point) override;
    uint32_t GetDropEffects(SOleDataObject& data) override;
    uint32_t GetCurrentDropEffect(uint32_t keys, uint32_t allowed) override;

    // Commands.
    void HandleBrowserCommand(uint32_t id);
    void OnAddItem();
    void OnFormatItem();
    void OnLayoutItem();
    void OnHeaderFooter();
    void OnEditItem();
    void OnChangeFonts();
    void OnAddItemUI(SCmdUI* cmdUI);
    void OnFormatItemUI(SCmdUI* cmdUI);
    void OnLayoutItemUI(SCmdUI* cmdUI);
    void OnHeaderFooterUI(SCmdUI* cmdUI);
    void OnEditItemUI(SCmdUI* cmdUI);
    void OnChangeFontsUI(SCmdUI* cmdUI);
    void OnContentsItemsUI(SCmdUI* cmdUI);
    void OnSetFocus();

    // What both kinds of browser share.
    // The items of the selection in selection order (an object that is no item is left out).
    static std::vector<SComWrap<ISRptItem>> GetSelectedItems(const SRepBrowserEx& browser);
    // The selection command: the first item's handler over the selected objects when they are all
    // of one class, else the mixed-class Format dialog whatever the command. True when it was the
    // dialog.
    static bool RunSelectionCommand(SRepBrowserEx& browser, uint32_t id);
    // 1 when the first selected item offers the command and, for any command but Format, every
    // selected item is of its class.
    static int32_t SelectionSupportsCommand(const SRepBrowserEx& browser, uint32_t id);
    // 0 when the command comes with the browser command class or with the command face of the
    // template or report editor's view class, else 1.
    static HRESULT QueryBrowserCommandClass(ISShellCommandClass* commandClass);
    // The change-fonts dialog; on OK the new default fonts go into the view's report.
    static void RunChangeFonts(SRptViewBase* view);
    // A context menu of the library, its items stamped with the command classes; 0 when missing.
    static HMENU LoadContextMenu(uint32_t id, SRptShellViewClassBase* shellViewClass);
    // Whether a drag holds an item whose InTemplate is `inTemplate`.
    static bool DragHoldsItem(SOleDataObject& data, bool inTemplate);
    // Enables the command when `on`.
    static void EnableIf(SCmdUI* cmdUI, bool on);
    // Enables a selection command when the selection supports it (and, for a command on one
    // object, when exactly one is selected).
    static void UpdateSelectionCommand(SCmdUI* cmdUI, const SRepBrowserEx& browser, uint32_t id, bool oneObject);
    // Whether an object of class `kind` is among the selected ones.
    static bool SelectionHoldsClass(const SRepBrowserEx& browser, const GUID& kind);
    // The item of an object, empty for an object that is no item; another failure is thrown.
    static SComWrap<ISRptItem> ItemOf(ISRepObject* object);

private:
    SRptViewBase* m_pView;
    SComWrap<ISRptAvailableItems> m_pAvailableItems;
    int32_t m_bDragInTemplateItems = 0;
};
