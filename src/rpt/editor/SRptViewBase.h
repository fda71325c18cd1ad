#pragma once
// The window in which a report or a template is edited: available items on the left, the
// template's (or each template's) contents on the right. The browsers of both sides call it to
// add an item to the template shown on the right, to say which side has the focus and to keep the
// left side showing the items of the active template's module.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/ui/SSplitterWnd.h"
#include "varod9/ISRptReport.h"

struct ISRptItem;
struct ISRptTemplate;
class SRptContentsPane;

class SRptViewBase : public SSplitterWnd {
public:
    SRptViewBase(int32_t kind, ISRptReport* report);
    ~SRptViewBase() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptViewBase; }
    static const SClassInfo classSRptViewBase;

    // 1 in a template editor, 0 in a report editor.
    int32_t GetIsTemplateEditor() const { return m_nIsTemplateEditor; }
    void SetIsTemplateEditor(int32_t isTemplateEditor) { m_nIsTemplateEditor = isTemplateEditor; }

    // Adds `item` to the template shown on the right through the contents pane; 1 without a pane.
    virtual HRESULT AddItemToActiveTemplate(ISRptItem* item, ISRptItem** added);
    // Records which side has the focus (1 left, 0 right); moves the focus there only when `apply`
    // is 1. 0.
    virtual int32_t SetFocusOnLeftPane(int32_t left, int32_t apply);
    int32_t GetLeftPaneActive() const { return m_bLeftPaneActive; }
    // Shows on the left the items of the active template's module. Without an available-items
    // side there is nothing to show: 0.
    virtual HRESULT SyncAvailableItemsTabWithActiveContentsTab();
    // Rebuilds the contents tabs, then brings the left side in step: 1 without a contents pane;
    // a negative result is passed on, anything else gives 0.
    virtual HRESULT UpdateTabs();
    // The template of the active contents tab: 1 without a contents pane.
    virtual HRESULT GetActiveTemplate(ISRptTemplate** out);

    // The report edited, with a reference added; E_POINTER for a null out pointer.
    HRESULT GetReport(ISRptReport** out) const;
    ISRptReport* GetReportPtr() const { return m_pReport.Get(); }

    // The right pane, not owned: the pane's own release tears it down.
    SRptContentsPane* GetContentsPane() const { return m_pContentsPane; }
    void SetContentsPane(SRptContentsPane* pane) { m_pContentsPane = pane; }

private:
    int32_t m_nIsTemplateEditor;
    int32_t m_bLeftPaneActive = 1;
    SComWrap<ISRptReport> m_pReport;
    SRptContentsPane* m_pContentsPane = nullptr;
};
