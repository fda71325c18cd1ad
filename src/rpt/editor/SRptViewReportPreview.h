#pragma once
// The window of a report's print preview: it shows the pages the preview device laid out, one or
// two side by side, or one page zoomed to a percentage. It pages by the toolbar's commands, the
// Page Up and Page Down keys and the scroll bar (a tip beside the bar tells the page under the
// thumb while it is dragged), zooms by the toolbar's combo box, the zoom dialog and a click on a
// page, and tells the host the page it shows. Esc, F4 and the end of the session ask the host to
// close the preview. The window counts references (from 0); the last Release deletes it. It is
// the session's view of the document (ISRepSessionView).
#include <cstdint>
#include <memory>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/ui/SPreviewView.h"
#include "platform/ui/SPrintInfo.h"
#include "platform/ui/SToolTipCtrl.h"
#include "varod9/ISRptReport.h"

class SCmdUI;

// The preview's commands (toolbar 232).
enum RptPreviewCommandIds : uint32_t {
    ID_RPT_PREVIEW_MAGNIFIER = 2051,
    ID_RPT_PREVIEW_ONE_PAGE = 2052,
    ID_RPT_PREVIEW_MULTI_PAGES = 2053,
    ID_RPT_PREVIEW_ZOOM = 2054,
    ID_RPT_PREVIEW_FIRST_PAGE = 2055,
    ID_RPT_PREVIEW_PREV_PAGE = 2056,
    ID_RPT_PREVIEW_NEXT_PAGE = 2057,
    ID_RPT_PREVIEW_LAST_PAGE = 2058,
    ID_RPT_PREVIEW_HELP_CONTENTS = 2061,
};

// What the tip of the scroll bar is registered with: the tool of a window.
struct SRptTipTool {
    uint32_t cbSize = 44;
    uint32_t uFlags = 0xA0;  // tracked, at an absolute position
    HWND hwnd = 0;
    uint32_t uId = 1;
    RECT rect;
    SString text = "Page:";
    LPARAM lParam = 0;
};

class SRptViewReportPreview : public SPreviewView, public ISRepSessionView {
public:
    // Holds the report. Throws SEOutOfMemory when the page tip cannot be made.
    explicit SRptViewReportPreview(ISRptReport* report);
    ~SRptViewReportPreview() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptViewReportPreview; }
    static const SClassInfo classSRptViewReportPreview;
    S_DECLARE_MESSAGE_MAP()

public:
    // IUnknown and ISRepSessionView answer; the count is the window's.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_dwRef; }
    uint32_t Release() override;
    uint32_t GetRefCount() const { return m_dwRef; }
    // ISRepSessionView: the preview never holds its session open and has no title of its own.
    HRESULT SessionCanClose() override { return S_OK; }
    HRESULT SessionClose() override;
    HRESULT UpdateTitle() override { return S_OK; }
    ISShellView* GetISShellView() override { return nullptr; }

    // The window and its page tip: 1, or 0 when the window cannot be made.
    using SPreviewView::Create;
    int32_t Create(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                   uint32_t id, SCreateContext* context = nullptr) override;
    // Keeps the session (a reference on it). 0.
    HRESULT SetSession(ISRepSession* session);
    // The session with a reference: 0; E_POINTER for a null out-pointer.
    HRESULT GetSession(ISRepSession** out) const;
    ISRptReport* GetReport() const { return m_pReport.Get(); }

    // Takes the laid-out pages and the page range they cover.
    int32_t SetPrintView(SView* printView) override;
    // The range of pages the print view laid out (0 and 0 before it).
    uint32_t GetMinPage() const { return m_printInfo->GetMinPage(); }
    uint32_t GetMaxPage() const { return m_printInfo->GetMaxPage(); }
    // The zoom as a fraction, whose percentage the window shows.
    int32_t GetZoomNumerator() const { return GetZoom(); }
    int32_t GetZoomDenominator() const { return 100; }
    int32_t GetZoomPercent() const;
    // Pages side by side while the pages are shown whole.
    int32_t GetZoomOutPages() const { return m_nZoomOutPages; }
    const SToolTipCtrl* GetPageTip() const { return m_pPageTip.get(); }
    const SRptTipTool& GetTipTool() const { return m_tipTool; }
    // Whether some preview's page tip is shown (one flag for all previews).
    static int32_t IsPageTipShown();

    // Fills the zoom combo boxes of the preview toolbar that the host shows: 0, or 1 when there
    // is no preview kind of view, no host or no toolbar.
    static int32_t InitZoomCombos();

    // The host shows `page`; `pagesShown` is not told.
    virtual void OnDisplayPageNumber(uint32_t page, uint32_t pagesShown);
    // Repaints the window whether it comes to the front or goes.
    virtual void OnViewActivate(int32_t active);
    // Asks the host to close the preview; nothing without a session.
    virtual void Close();
    // Tab is kept from the host; F4 closes the preview.
    int32_t PreTranslateMessage(MSG* msg) override;

    // Shows `page` (kept within the page range) and tells the host.
    void ShowPage(int32_t page);
    // Zooms the page of `pageIndex` at `point`.
    void DoZoom(uint32_t pageIndex, POINT point);
    // The index of the page shown under `point`: true when there is one.
    bool FindPageRect(POINT& point, uint32_t& pageIndex) const;

    // Handlers, public for the host's routing and for direct calls.
    void OnMagnifier() {}
    void OnOnePage();
    void OnMultiPage();
    void OnZoomScale();
    void OnFirstPage();
    void OnPrevPage();
    void OnNextPage();
    void OnLastPage();
    void OnHelpContents();
    void OnOnePageCmdUI(SCmdUI* ui);
    void OnMultiPageCmdUI(SCmdUI* ui);
    void OnPrevPageCmdUI(SCmdUI* ui);
    void OnNextPageCmdUI(SCmdUI* ui);
    void OnHelpContentsCmdUI(SCmdUI* ui);
    void OnZoomScaleSelChange();
    void OnZoomScaleKillFocus();
    void OnLButtonDown(uint32_t flags, POINT point);
    void OnKeyDown(uint32_t key, uint32_t repeat, uint32_t flags);
    void OnVScroll(uint32_t code, uint32_t position, SWnd* scrollBar);

protected:
    int32_t OnWndMsg(uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Each zoom combo box of the preview toolbar, in the host's order.
    template <class Visit>
    static int32_t ForEachZoomCombo(Visit visit);
    // A zoom typed or chosen in a combo box: 100 shows the pages whole, any other percentage
    // above 0 zooms; anything else changes nothing.
    void ZoomToText(const SString& text);

    uint32_t m_dwRef = 0;
    std::unique_ptr<SToolTipCtrl> m_pPageTip;
    SRptTipTool m_tipTool;
    SComWrap<ISRepSession> m_pSession;
    SComWrap<ISRptReport> m_pReport;
    std::unique_ptr<SPrintInfo> m_printInfo;
    int32_t m_nZoomOutPages = 1;
    uint32_t m_nZoomPageIndex = 0;
    POINT m_zoomPoint;
};
