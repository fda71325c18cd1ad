#pragma once
// The item tree of one report template, in the right pane of an editor (one per tab of a report
// editor). The user moves items up, down and between levels, deletes and cuts them, opens their
// dialogs, switches how groups and file items are shown, renames the template, and drops or adds
// available items here.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepBrowserEx.h"
#include "rpt/editor/SRptBaseContentsItemsBrowser.h"
#include "varod9/ISRptTemplate.h"

class SCmdUI;
class SRptShellViewClassBase;
struct ISShellCommandClass;

class SRptContentsItemsBrowser : public SRepBrowserEx, public SRptBaseContentsItemsBrowser {
public:
    SRptContentsItemsBrowser(ISRptTemplate* tpl, SRptViewBase* view, SRptShellViewClassBase* shellViewClass);
    ~SRptContentsItemsBrowser() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptContentsItemsBrowser; }
    static const SClassInfo classSRptContentsItemsBrowser;
    S_DECLARE_MESSAGE_MAP()

public:
    ISRptTemplate* GetTemplatePtr() const { return m_pTemplate.Get(); }
    // 1 while a drag holding an available item (one outside a template) is over the browser.
    int32_t GetDragFlag() const { return m_bDragAvailableItems; }

    // The contents pane.
    void MoveSelection(uint32_t direction) override;
    void DestroyPane() override;
    SWnd* GetPaneWindow() override { return this; }
    HRESULT AddItemToTemplate(ISRptItem* item, ISRptItem** added) override;
    HRESULT DeleteItemFromTemplate(ISRptItem* item) override;
    HRESULT SetReport(ISRptReport*) override { return S_OK; }
    HRESULT UpdateTabs() override { return S_OK; }
    HRESULT GetActiveTemplate(ISRptTemplate** out) override;

    // 1 when the display command `id` (45011-45016) is checked for the first selected object.
    int32_t IsMenuItemChecked(uint32_t id);
    // Sets every selected node's tree text to the label its object has now.
    virtual void RecomputeSelectionLabel();

    // Node events and the browser's hooks.
    int32_t OnDoubleClick(ISBrowserNode* node) override;
    int32_t OnEndLabelEdit(ISBrowserNode* node, const SString& label) override;
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;

    // Drops: available items as copies, the template's own items as copies or moves.
    uint32_t DropEnter(SOleDataObject& data, uint32_t keys, POINT point) override;
    uint32_t GetDropEffects(SOleDataObject& data) override;
    uint32_t GetCurrentDropEffect(uint32_t keys, uint32_t allowed) override;

    // Commands.
    void HandleBrowserCommand(uint32_t id);
    void OnItemUp();
    void OnItemDown();
    void OnItemRaise();
    void OnItemLower();
    void OnFormatItem();
    void OnLayoutItem();
    void OnEditItem();
    void OnHeaderFooter();
    void OnChangeFonts();
    void OnDispAll();
    void OnDispModified();
    void OnDispFilePath();
    void OnDispFileContent();
    void OnUserOrder();
    void OnAlphOrder();
    void OnFilePageSetup();
    void OnDeleteItem();
    void OnEditCut();
    void OnItemUpUI(SCmdUI* cmdUI);
    void OnItemDownUI(SCmdUI* cmdUI);
    void OnItemRaiseUI(SCmdUI* cmdUI);
    void OnItemLowerUI(SCmdUI* cmdUI);
    void OnAvailableItemsUI(SCmdUI* cmdUI);
    void OnFormatItemUI(SCmdUI* cmdUI);
    void OnLayoutItemUI(SCmdUI* cmdUI);
    void OnEditItemUI(SCmdUI* cmdUI);
    void OnHeaderFooterUI(SCmdUI* cmdUI);
    void OnChangeFontsUI(SCmdUI* cmdUI);
    void OnFilePageSetupUI(SCmdUI* cmdUI);
    void OnDeleteItemUI(SCmdUI* cmdUI);
    void OnSetFocus();

private:
    // Whether every selected item can make the move (and something is selected).
    bool SelectionCanMove(uint32_t direction) const;
    // The Delete key in the edit box of a label being edited.
    void DeleteInLabelEdit(SWnd& edit);
    // Shows the node of a newly added item, its parents' nodes first, and selects it.
    void ShowAddedItem(ISRptItem* added);
    // Makes the node of an item at its place under its parent's node; false when the parent has
    // no node here.
    bool ShowItemNode(ISRptItem* item);

    SComWrap<ISRptTemplate> m_pTemplate;
    int32_t m_bDragAvailableItems = 0;
};
