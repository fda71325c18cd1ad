// The print preview's window in the stand-in host: the zoom from the toolbar's combo box and from
// the zoom dialog, one or two pages, paging by commands and keys, the page tip of the scroll bar,
// the page number in the host's status area, and the keys that close the preview.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/ISShellProgress.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SView.h"
#include "rpt/editor/SRptViewReportPreview.h"
#include "SRptShellViewFixture.h"
#include "support/STestHostFrameOps.h"

namespace {

// Laid-out pages as the preview window sees them: only their number.
class SPages final : public SView {
public:
    explicit SPages(int32_t count) : m_count(count) {}
    int32_t GetPageCount() const override { return m_count; }

private:
    int32_t m_count;
};

// A host whose status area the preview can write to: the stand-in host's frame with a progress
// display that keeps the texts it is given.
class SStatusHost final : public STestHostFrameOps, public ISShellProgress {
public:
    explicit SStatusHost(SStandInHost* inner) : m_inner(inner) {}
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == ISShellProgress::iid) {
            *out = static_cast<ISShellProgress*>(this);
            AddRef();
            return S_OK;
        }
        if (riid == IUnknown::iid || riid == ISShellHostFrame::iid) {
            *out = static_cast<ISShellHostFrame*>(this);
            AddRef();
            return S_OK;
        }
        return m_inner->QueryInterface(riid, out);
    }
    uint32_t AddRef() override { return ++m_refs; }
    uint32_t Release() override { return --m_refs; }
    HRESULT GetWindowHandle(HWND* hwnd) override { return m_inner->GetWindowHandle(hwnd); }
    HRESULT SetStatusText(IUnknown* owner, const char* text, int32_t pane) override {
        texts.emplace_back(text);
        owners.push_back(owner);
        panes.push_back(pane);
        return S_OK;
    }
    HRESULT Begin(IUnknown*, int32_t) override { return S_OK; }
    HRESULT SetRange(IUnknown*, int32_t, int32_t) override { return S_OK; }
    HRESULT SetStep(IUnknown*, int32_t, int32_t) override { return S_OK; }
    HRESULT CanLongActionsBeCanceled(IUnknown*, int32_t) override { return S_OK; }
    HRESULT End(IUnknown*) override { return S_OK; }
    HRESULT Reset(IUnknown*) override { return S_OK; }
    int32_t SetPos(IUnknown*, int32_t, int32_t) override { return 0; }
    int32_t OffsetPos(IUnknown*, int32_t, int32_t) override { return 0; }
    int32_t StepIt(IUnknown*, int32_t) override { return 0; }
    int32_t GetPos(IUnknown*) override { return 0; }
    int32_t SetTotal(IUnknown*, int32_t) override { return 0; }
    int32_t SetMessage(IUnknown*, int32_t) override { return 0; }
    int32_t IsCanceled(IUnknown*) override { return 0; }
    int32_t Show(IUnknown*) override { return 0; }
    int32_t SetPercent(IUnknown*, int32_t) override { return 0; }
    int32_t SetSubStep(IUnknown*, int32_t) override { return 0; }
    int32_t Hide(IUnknown*) override { return 0; }
    int32_t Update(IUnknown*) override { return 0; }
    SString GetTitle(IUnknown*, int32_t) override { return SString(); }
    SString GetText(IUnknown*, int32_t) override { return SString(); }
    int32_t Flush(IUnknown*) override { return 0; }

    std::vector<std::string> texts;
    std::vector<IUnknown*> owners;
    std::vector<int32_t> panes;

private:
    SStandInHost* m_inner;
    uint32_t m_refs = 1;
};

class SRptViewReportPreviewTest : public SRptShellViewFixture {
protected:
    void SetUp() override {
        SRptShellViewFixture::SetUp();
        window = new SRptViewReportPreview(report.Get());
        ASSERT_EQ(window->Create(nullptr, nullptr, 0x50800000, RECT{0, 0, 800, 600}, &host->GetMainWindow(), 0), 1);
        window->AddRef();
    }
    void TearDown() override {
        window->Release();
        SRptShellViewFixture::TearDown();
    }

    void Show(SPages& pages) { ASSERT_EQ(window->SetPrintView(&pages), 1); }
    // The zoom combo boxes that the host shows on the preview toolbars (one per toolbar it was
    // handed in this process); the user's choice is the same in each.
    std::vector<SWnd*> ZoomCombos() {
        std::vector<SWnd*> combos;
        int32_t position = 0;
        HWND handle = 0;
        while (host->GetToolbarControl(&position, ID_RPT_PREVIEW_ZOOM,
                                       SRptShellModule::GetPreviewViewClass()->GetCommandClassFace(), &handle) == S_OK)
            combos.push_back(SWnd::FromHandle(handle));
        return combos;
    }
    void Choose(int32_t entry) {
        for (SWnd* combo : ZoomCombos()) combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(entry));
        Notify(CBN_SELCHANGE);
    }
    void Type(const char* text) {
        for (SWnd* combo : ZoomCombos()) combo->SetWindowText(text);
        Notify(4);  // the box loses the focus
    }
    std::vector<std::string> ComboTexts(SWnd* combo) {
        std::vector<std::string> texts;
        const auto count = combo->SendMessage(CB_GETCOUNT);
        for (LRESULT i = 0; i < count; ++i) {
            char text[32] = {};
            combo->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            texts.emplace_back(text);
        }
        return texts;
    }
    void Notify(int32_t code) {
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_RPT_PREVIEW_ZOOM, static_cast<uint16_t>(code)), 0);
    }
    void Command(uint32_t id) { window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(id), 0), 0); }
    // Whether the command is enabled (and checked) as the window's update handlers say.
    SCmdUI Update(uint32_t id) {
        SCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(window, 0);
        return ui;
    }
    void Key(uint32_t key) { window->SendMessage(WM_KEYDOWN, key, 0); }
    void Scroll(uint32_t code, uint32_t position) {
        window->SendMessage(WM_VSCROLL, MAKEWPARAM(static_cast<uint16_t>(code), static_cast<uint16_t>(position)), 0);
    }

    SRptViewReportPreview* window = nullptr;
};

}  // namespace

TEST_F(SRptViewReportPreviewTest, TheComboBoxZoomsToItsPercentageAndHundredShowsWholePages) {
    for (SWnd* combo : ZoomCombos()) combo->SendMessage(CB_RESETCONTENT);
    EXPECT_EQ(SRptViewReportPreview::InitZoomCombos(), 0);
    ASSERT_FALSE(ZoomCombos().empty());
    for (SWnd* combo : ZoomCombos()) {
        EXPECT_EQ(ComboTexts(combo), (std::vector<std::string>{"50%", "75%", "100%", "150%", "200%", "500%"}));
        EXPECT_EQ(combo->SendMessage(CB_GETCURSEL), 2);
    }

    Choose(3);
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_IN);
    EXPECT_EQ(window->GetZoomPercent(), 150);
    Choose(2);
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_OUT);
    EXPECT_EQ(window->GetZoomPercent(), 100);

    // A typed value counts when the box loses the focus.
    Type("250");
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_IN);
    EXPECT_EQ(window->GetZoomPercent(), 250);
    for (const char* ignored : {"0", "-20", "big", ""}) {
        Type(ignored);
        EXPECT_EQ(window->GetZoomPercent(), 250) << ignored;
        EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_IN) << ignored;
    }
    Type("9999");
    EXPECT_EQ(window->GetZoomPercent(), 9999);
    Type("100");
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_OUT);
}

TEST_F(SRptViewReportPreviewTest, TheZoomDialogZoomsEvenToHundred) {
    script.ExpectDialog(230, 1, {{1133, "100%"}});
    Command(ID_RPT_PREVIEW_ZOOM);
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_IN);
    EXPECT_EQ(window->GetZoomPercent(), 100);
    // Cancel changes nothing.
    script.ExpectDialog(230, 2);
    Command(ID_RPT_PREVIEW_ZOOM);
    EXPECT_EQ(window->GetZoomPercent(), 100);
}

TEST_F(SRptViewReportPreviewTest, OneAndTwoPagesOnlyWhileThePagesAreShownWhole) {
    SPages pages(5);
    Show(pages);
    Command(ID_RPT_PREVIEW_MULTI_PAGES);
    EXPECT_EQ(window->GetPagesShown(), 2);
    EXPECT_EQ(window->GetZoomOutPages(), 2);
    // Two pages a step: the scroll bar ends at (5 + 1) / 2.
    EXPECT_EQ(window->State()->scrollMin, 1);
    EXPECT_EQ(window->State()->scrollMax, 3);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_MULTI_PAGES).m_check, 1);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_ONE_PAGE).m_check, 0);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_ONE_PAGE).m_enabled, 1);

    Command(ID_RPT_PREVIEW_ONE_PAGE);
    EXPECT_EQ(window->GetPagesShown(), 1);
    EXPECT_EQ(window->State()->scrollMax, 5);

    // Zoomed, both are disabled and do nothing.
    window->SetZoomState(SPreviewView::ZOOM_IN);
    window->SetZoom(150);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_ONE_PAGE).m_enabled, 0);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_MULTI_PAGES).m_enabled, 0);
    Command(ID_RPT_PREVIEW_MULTI_PAGES);
    EXPECT_EQ(window->GetPagesShown(), 1);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_HELP_CONTENTS).m_enabled, 1);
}

TEST_F(SRptViewReportPreviewTest, PagingStaysWithinThePagesAndFollowsTheDisplay) {
    SPages pages(5);
    Show(pages);
    EXPECT_EQ(window->GetMinPage(), 1u);
    EXPECT_EQ(window->GetMaxPage(), 5u);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_PREV_PAGE).m_enabled, 0);
    Command(ID_RPT_PREVIEW_LAST_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 5);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_NEXT_PAGE).m_enabled, 0);
    Command(ID_RPT_PREVIEW_FIRST_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 1);

    // Two pages side by side: previous from page 2 asks for page 0 and stays on the first.
    Command(ID_RPT_PREVIEW_MULTI_PAGES);
    Command(ID_RPT_PREVIEW_NEXT_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 3);
    window->SetCurrentPage(2, 1);
    Command(ID_RPT_PREVIEW_PREV_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 1);

    // Page 4 of 5 with two pages: next is disabled, also while zoomed where it would move by one.
    window->SetCurrentPage(4, 1);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_NEXT_PAGE).m_enabled, 0);
    window->SetZoomState(SPreviewView::ZOOM_IN);
    EXPECT_EQ(Update(ID_RPT_PREVIEW_NEXT_PAGE).m_enabled, 0);
    Command(ID_RPT_PREVIEW_NEXT_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 5);
    Command(ID_RPT_PREVIEW_PREV_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), 4);

    // The keys page only inside the range.
    window->SetZoomState(SPreviewView::ZOOM_OUT);
    Key(VK_NEXT);
    EXPECT_EQ(window->GetCurrentPage(), 5);
    Key(VK_NEXT);
    EXPECT_EQ(window->GetCurrentPage(), 5);
    Key(VK_PRIOR);
    EXPECT_EQ(window->GetCurrentPage(), 3);
}

TEST_F(SRptViewReportPreviewTest, EveryPageOfMoreThanTheDialogsPageFieldsHoldIsPreviewed) {
    // 70,000 pages: more than the 65,535 a print dialog's page fields hold.
    constexpr int32_t kPages = 70000;
    SPages pages(kPages);
    Show(pages);
    EXPECT_EQ(window->GetMaxPage(), static_cast<uint32_t>(kPages));
    int32_t shown = 1;
    while (Update(ID_RPT_PREVIEW_NEXT_PAGE).m_enabled && shown <= kPages) {
        Command(ID_RPT_PREVIEW_NEXT_PAGE);
        if (window->GetCurrentPage() != ++shown) break;
    }
    EXPECT_EQ(shown, kPages);
    EXPECT_EQ(window->GetCurrentPage(), kPages);
    Command(ID_RPT_PREVIEW_FIRST_PAGE);
    Command(ID_RPT_PREVIEW_LAST_PAGE);
    EXPECT_EQ(window->GetCurrentPage(), kPages);
}

TEST_F(SRptViewReportPreviewTest, TheHostShowsThePageOfAllPages) {
    SStatusHost status(host);
    ASSERT_EQ(shell->Initialize(&status), S_OK);
    SPages pages(12);
    Show(pages);
    window->ShowPage(3);
    Command(ID_RPT_PREVIEW_MULTI_PAGES);
    ASSERT_EQ(status.texts, (std::vector<std::string>{"Page 3/12", "Page 3/12"}));
    EXPECT_EQ(status.panes, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(status.owners[0], static_cast<IUnknown*>(SRptShellModule::GetPreviewViewClass()->GetViewClassFace()));
    // The host goes before the status display does; each initialisation entered the kinds of
    // views once more, which the module lets go of as the test found it.
    ASSERT_EQ(shell->Initialize(host), S_OK);
    for (int32_t again = 0; again < 2; ++again) {
        shell->RemoveViewClass(SRptShellModule::GetTemplateViewClass());
        shell->RemoveViewClass(SRptShellModule::GetReportViewClass());
        shell->RemoveViewClass(SRptShellModule::GetPreviewViewClass());
    }
    EXPECT_EQ(shell->GetViewClassCount(), 3);
}

TEST_F(SRptViewReportPreviewTest, TheTipFollowsTheThumbAndReleasingItShowsThePage) {
    SPages pages(5);
    Show(pages);
    const SToolTipCtrl* tip = window->GetPageTip();
    ASSERT_TRUE(tip);
    EXPECT_EQ(window->GetTipTool().cbSize, 44u);
    EXPECT_EQ(window->GetTipTool().uFlags, 0xA0u);
    EXPECT_EQ(tip->GetToolText(window, 1), "Page:");

    Scroll(5, 3);
    EXPECT_EQ(tip->GetToolText(window, 1), "Page: 3");
    EXPECT_TRUE(tip->IsActive());
    EXPECT_EQ(SRptViewReportPreview::IsPageTipShown(), 1);
    const POINT placed = tip->GetTrackPosition();
    Scroll(5, 4);
    EXPECT_EQ(tip->GetToolText(window, 1), "Page: 4");
    EXPECT_EQ(tip->GetTrackPosition().x, placed.x);
    EXPECT_EQ(tip->GetTrackPosition().y, placed.y);

    Scroll(4, 4);
    EXPECT_FALSE(tip->IsActive());
    EXPECT_EQ(SRptViewReportPreview::IsPageTipShown(), 0);
    EXPECT_EQ(window->GetCurrentPage(), 4);

    // Zoomed, the scroll bar scrolls the page: no tip.
    window->SetZoomState(SPreviewView::ZOOM_IN);
    Scroll(5, 2);
    EXPECT_EQ(SRptViewReportPreview::IsPageTipShown(), 0);
}

TEST_F(SRptViewReportPreviewTest, EscAndF4CloseThePreviewThroughTheHostTabDoesNothing) {
    // The host is shared by the tests of the process: its closes are counted from here.
    const int32_t before = host->GetPreviewCloseCount();
    MSG tab;
    tab.message = WM_KEYDOWN;
    tab.wParam = VK_TAB;
    EXPECT_EQ(window->PreTranslateMessage(&tab), 1);
    // Without a session there is no one to ask.
    Key(VK_ESCAPE);
    EXPECT_EQ(host->GetPreviewCloseCount() - before, 0);

    SComWrap<ISRepSession> session;
    ASSERT_EQ(report->GetSession(&session), S_OK);
    window->SetSession(session.Get());
    Key(VK_ESCAPE);
    EXPECT_EQ(host->GetPreviewCloseCount() - before, 1);
    MSG f4;
    f4.message = WM_KEYDOWN;
    f4.wParam = VK_F4;
    EXPECT_EQ(window->PreTranslateMessage(&f4), 1);
    EXPECT_EQ(host->GetPreviewCloseCount() - before, 2);
    EXPECT_EQ(window->SessionClose(), S_OK);
    EXPECT_EQ(host->GetPreviewCloseCount() - before, 3);
    window->SetSession(nullptr);
    EXPECT_EQ(window->SessionClose(), E_POINTER);
}

TEST_F(SRptViewReportPreviewTest, AClickOnAPageTogglesTheZoom) {
    SPages pages(5);
    Show(pages);
    window->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(400, 300));
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_IN);
    window->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(400, 300));
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_OUT);
    // Beside the pages nothing changes.
    window->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(window->GetZoomState(), SPreviewView::ZOOM_OUT);
}
