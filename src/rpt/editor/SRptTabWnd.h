#pragma once
// The right pane of a report editor: one tab per template of the report, each holding the
// template's contents browser. The editor window reaches it as it reaches a single contents
// browser, and every operation goes to the browser of the active tab, so that moves, additions
// and deletions act on the template in view. When the user turns to another tab, the window is
// asked to show the available items of that template's module.
#include <cstdint>
#include <vector>

#include "platform/com/IUnknown.h"
#include "platform/com/SComWrap.h"
#include "platform/ui/STabWnd.h"
#include "rpt/editor/SRptBaseContentsItemsBrowser.h"
#include "varod9/ISRptReport.h"

class SRptContentsItemsBrowser;
struct SCreateContext;

class SRptTabWnd : public STabWnd, public SRptBaseContentsItemsBrowser, public IUnknown {
public:
    // The window holds itself (one reference) until its window is gone.
    SRptTabWnd(ISRptReport* report, SRptViewBase* view);

    const SClassInfo* GetClassInfo() const override { return &classSRptTabWnd; }
    static const SClassInfo classSRptTabWnd;

    // The tab window, then one tab per template of the report, in the report's order. The result
    // of the window's creation.
    using STabWnd::Create;
    int32_t Create(SWnd* parent, const char* name, SCreateContext* context, uint32_t style, uint32_t id);

    // IUnknown: the window answers IUnknown alone.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_dwRef; }
    uint32_t Release() override;

    // The contents pane, forwarded to the active tab's browser (1 without a tab).
    void MoveSelection(uint32_t direction) override;
    void DestroyPane() override;
    SWnd* GetPaneWindow() override { return this; }
    HRESULT AddItemToTemplate(ISRptItem* item, ISRptItem** added) override;
    HRESULT DeleteItemFromTemplate(ISRptItem* item) override;
    // Keeps `report` (null lets the report go): 1 when it is the report already held, compared
    // as objects, else 0. The tabs stay as they are until UpdateTabs.
    HRESULT SetReport(ISRptReport* report) override;
    // New tabs for the report's templates replace the old ones; the active template's tab stays
    // active while the report has it, else the tab at the active index (or the last one).
    // E_POINTER is thrown without a report.
    HRESULT UpdateTabs() override;
    HRESULT GetActiveTemplate(ISRptTemplate** out) override;

    // The browser of a tab, null for no such tab.
    SRptContentsItemsBrowser* GetTabBrowser(int32_t index) const;
    SRptContentsItemsBrowser* GetActiveBrowser() const { return GetTabBrowser(GetActiveTabIndex()); }

protected:
    ~SRptTabWnd() override;
    void OnTabChanged(NMHDR* header, LRESULT* result) override;
    void PostNcDestroy() override;

private:
    // A tab of a template's browser; 1 for a null template.
    HRESULT AddTemplateTab(ISRptTemplate* tpl);
    void AddTemplateTabs();
    // Lets the first tab and its browser go.
    void RemoveFirstTab();
    // The index of the tab of `tpl`, -1 when none shows it.
    int32_t FindTemplateTab(ISRptTemplate* tpl) const;

    uint32_t m_dwRef = 1;
    std::vector<SRptContentsItemsBrowser*> m_browsers;
    SComWrap<IUnknown> m_pReport;
};
