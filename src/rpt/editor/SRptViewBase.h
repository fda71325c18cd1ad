#pragma once
// The window in which a report or a template is edited: a static splitter of two rows and two
// columns, captions on top, the available items of the report's modules on the left and the
// contents on the right (one template's browser, or a tab per template). It keeps which side has
// the focus and routes commands to the browser of that side, then to its own map, then to the
// session's command target; it keeps the left side showing the items of the module of the
// template active on the right. The window counts references (from 0): Create takes one, which
// the end of the window gives back. It is the session's view of the document (ISRepSessionView).
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepCommandTarget.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/ui/SSplitterWnd.h"
#include "platform/ui/SStaticCtrl.h"
#include "varod9/ISRptReport.h"

struct ISRptItem;
struct ISRptTemplate;
class SRptAvailableItemsTabCtrl;
class SRptContentsPane;
class SShellView;

// The caption of a report editor's contents column; the template editor's is the label of a new
// template (IDS_RPT_TEMPLATE_ITEMS) and the available items' that of a container
// (IDS_RPT_AVAILABLE_ITEMS).
inline constexpr uint32_t IDS_RPT_REPORT_ITEMS_CAPTION = 5506;

class SRptViewBase : public SSplitterWnd, public ISRepSessionView {
public:
    // kind: 1 template editor, 0 report editor. The shell view is not counted.
    SRptViewBase(int32_t kind, ISRptReport* report, SShellView* shellView = nullptr);
    ~SRptViewBase() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptViewBase; }
    static const SClassInfo classSRptViewBase;
    S_DECLARE_MESSAGE_MAP()

public:
    // Reference counting and the session-view face: IUnknown and ISRepSessionView answer.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_dwRef; }
    uint32_t Release() override;
    uint32_t GetRefCount() const { return m_dwRef; }

    // The splitter, its captions and panes. Of the arguments only the parent counts. 1, or 0 when
    // the splitter cannot be made.
    using SSplitterWnd::Create;
    int32_t Create(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                   uint32_t id, SCreateContext* context = nullptr) override;

    // 1 in a template editor, 0 in a report editor.
    int32_t GetIsTemplateEditor() const { return m_nIsTemplateEditor; }
    void SetIsTemplateEditor(int32_t isTemplateEditor) { m_nIsTemplateEditor = isTemplateEditor; }

    // Binds the session and its command target (null lets both go). 0.
    HRESULT SetSession(ISRepSession* session);
    // The bound session or report with a reference; E_POINTER for a null out-pointer.
    HRESULT GetSession(ISRepSession** out) const;
    HRESULT GetReport(ISRptReport** out) const;
    ISRptReport* GetReportPtr() const { return m_pReport.Get(); }
    // Binds the report to the window and both panes (null detaches): 1 when it is the report
    // already bound, compared as objects; a pane's failure is passed on; else 0. The tabs are
    // rebuilt by UpdateTabs.
    HRESULT SetReport(ISRptReport* report);

    // Adds `item` to the template shown on the right through the contents pane; 1 without a pane.
    virtual HRESULT AddItemToActiveTemplate(ISRptItem* item, ISRptItem** added);
    // Rebuilds the contents tabs, then brings the left side in step: 1 without a contents pane;
    // a negative result is passed on, anything else gives 0.
    virtual HRESULT UpdateTabs();
    // The template of the active contents tab: 1 and null without a contents pane.
    virtual HRESULT GetActiveTemplate(ISRptTemplate** out);
    // Shows on the left the page of a module: 1 when there is none.
    HRESULT ActivateAvailableItemsTab(const SString& moduleId);
    // Shows on the left the items of the active template's module, when the module has a page:
    // 0. 1 without a contents pane or an active template (a report without templates).
    virtual HRESULT SyncAvailableItemsTabWithActiveContentsTab();

    // The browser of the side that has the focus, null when that side has none.
    SWnd* ComputeActivePane() const;
    // Focus: the other side (the browser of that side gets the focus); a side recorded, the
    // focus moved there only when `apply` is 1; the focus given again to the active side. 0.
    int32_t ToggleActivePane();
    virtual int32_t SetFocusOnLeftPane(int32_t left, int32_t apply);
    int32_t RefreshFocus();
    int32_t GetLeftPaneActive() const { return m_bLeftPaneActive; }

    // The active browser, the window's own map, then the session's command target. Non-zero when
    // handled; without a command target what nobody handled stays unhandled.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;

    // Generates the report as an RTF file; the report tells the user how it went.
    void GenerateReport();
    // The shell view activated (or deactivated) the view: the active side gets the focus.
    virtual void OnViewActivate(int32_t active);
    // Asks the frame holding the view to close.
    virtual void Close();
    virtual void ContextMenu();

    // ISRepSessionView.
    HRESULT SessionCanClose() override { return S_OK; }
    HRESULT SessionClose() override;
    HRESULT UpdateTitle() override;
    ISShellView* GetISShellView() override;

    SShellView* GetShellView() const { return m_pShellView; }
    SRptAvailableItemsTabCtrl* GetAvailableItemsCtrl() const { return m_pAvailableItemsCtrl; }
    // The right pane, owned by its own window: its release tears it down.
    SRptContentsPane* GetContentsPane() const { return m_pContentsPane; }
    void SetContentsPane(SRptContentsPane* pane) { m_pContentsPane = pane; }

protected:
    // The kind's right pane, made during Create; a window of no kind has none.
    virtual SRptContentsPane* CreateContentsPane() { return nullptr; }

    int32_t OnCreate(SCreateStruct* cs) override;
    void OnDestroy();
    void OnSetFocus();
    void PostNcDestroy() override;

private:
    // Puts a window into a cell and gives its column and row their ideal sizes.
    void AddPane(int32_t row, int32_t column, SWnd* wnd, int32_t cx, int32_t cy);
    void CreateCaptions();
    // The splitter's active pane, which gets the focus: the browser, or the first cell when the
    // active side has no browser.
    void FocusBrowser(SWnd* browser);

    int32_t m_nIsTemplateEditor;
    int32_t m_bLeftPaneActive = 1;
    SShellView* m_pShellView;
    SComWrap<ISRepSession> m_pSession;
    SComWrap<ISRepCommandTarget> m_pSessionCmdTarget;
    SComWrap<ISRptReport> m_pReport;
    SRptAvailableItemsTabCtrl* m_pAvailableItemsCtrl = nullptr;
    SRptContentsPane* m_pContentsPane = nullptr;
    SStaticCtrl m_leftCaption;
    SStaticCtrl m_rightCaption;
    uint32_t m_dwRef = 0;
    // The object goes while its window is still there: the window's end must not count.
    bool m_bDestroying = false;
};
