// The editor window: its panes for a template and for a report, the side that has the focus and
// the Tab toggle, command routing, the left side kept on the active template's module, adding an
// item to the template on the right, and its life as a counted object and a session's view.
#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/host/SShellView.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/editor/SRptTabWnd.h"
#include "rpt/editor/SRptViewOwner.h"
#include "rpt/editor/SRptViewTestFixture.h"

namespace {

using Strings = std::vector<std::string>;

// A session that answers the command-target face with a target that records what reaches it.
class SFakeSession final : public STestRefCounted<ISRepSession> {
public:
    struct Target final : STestRefCounted<ISRepCommandTarget> {
        int32_t OnCmdMsg(uint32_t id, int32_t, void*, SCmdHandlerInfo*) override {
            ids.push_back(id);
            return answer;
        }
        std::vector<uint32_t> ids;
        int32_t answer = 1;
    };
    SFakeSession() : target(new Target) {}

    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (riid == ISRepCommandTarget::iid && out) return target->QueryInterface(riid, out);
        return STestRefCounted<ISRepSession>::QueryInterface(riid, out);
    }
    HRESULT GetName(SString*) noexcept override { return E_NOTIMPL; }
    HRESULT SetName(const SString&) noexcept override { return E_NOTIMPL; }
    HRESULT GetFormatName(SString*) noexcept override { return E_NOTIMPL; }
    HRESULT SetFormatName(const SString&) noexcept override { return E_NOTIMPL; }
    HRESULT CreateObject(const GUID&, void**, const GUID&, bool) noexcept override { return E_NOTIMPL; }
    HRESULT CreateModelObject(const GUID&, void**, const GUID&, int32_t, bool) noexcept override { return E_NOTIMPL; }
    HRESULT Close() noexcept override { return S_OK; }
    HRESULT IsOpen() noexcept override { return S_OK; }
    HRESULT GetObjects(ISRepClassCol**) noexcept override { return E_NOTIMPL; }
    HRESULT GetRootObject(const GUID&, void**) noexcept override { return E_NOTIMPL; }
    HRESULT SetModified(bool) noexcept override { return S_OK; }
    HRESULT IsModified() noexcept override { return S_FALSE; }
    HRESULT GetPathName(SString*) noexcept override { return E_NOTIMPL; }
    HRESULT SetPathName(const SString&) noexcept override { return E_NOTIMPL; }
    HRESULT AdviseSessionSink(ISRepSessionView*) noexcept override { return E_NOTIMPL; }
    HRESULT UnadviseSessionSink(ISRepSessionView*) noexcept override { return E_NOTIMPL; }
    int32_t GetOpenState() noexcept override { return 1; }
    HRESULT CloseDocument(void*, void*, void*, void*, void*, void*) noexcept override { return E_NOTIMPL; }
    HRESULT Discard() noexcept override { return E_NOTIMPL; }

    SComWrap<Target> target;
};

// A shell view that holds a window, routes its commands into it and renews its title on request.
class SWindowShellView final : public SShellView, public SRptViewOwner {
public:
    SWindowShellView() : SShellView(nullptr, nullptr) {}
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override {
        if (SShellView::OnCmdMsg(id, code, extra, info)) return 1;
        return window ? window->OnCmdMsg(id, code, extra, info) : 0;
    }
    HRESULT UpdateTitle() override {
        ++titleUpdates;
        return S_OK;
    }
    SRptViewBase* window = nullptr;
    int32_t titleUpdates = 0;
};

class SRptViewBaseTest : public SRptViewTestFixture {
protected:
    SComWrap<ISRptTemplate> AddTemplate(const char* moduleId, const char* name) {
        SComWrap<ISRptTemplate> added;
        EXPECT_EQ(report->AddNewTemplate(moduleId, 1, &added), S_OK);
        added->PutName(name);
        return added;
    }
    static SRptTabWnd* TabsOf(SRptViewBase* window) { return dynamic_cast<SRptTabWnd*>(window->GetPane(1, 1)); }
};

}  // namespace

TEST_F(SRptViewBaseTest, TheTemplateWindowShowsTheTemplatesBrowserBesideTheAvailableItems) {
    templ->PutName("Sales template");
    auto* window = MakeWindow<SRptViewTemplate>();
    EXPECT_EQ(window->GetRefCount(), 1u);
    EXPECT_EQ(window->GetIsTemplateEditor(), 1);
    EXPECT_STREQ(window->GetClassInfo()->className, "SRptViewTemplate");
    EXPECT_TRUE(window->IsKindOf(&SRptViewBase::classSRptViewBase));
    EXPECT_TRUE(window->IsKindOf(&SSplitterWnd::classSSplitterWnd));

    EXPECT_EQ(window->GetPane(0, 0)->GetWindowText(), "Available items");
    EXPECT_EQ(window->GetPane(0, 1)->GetWindowText(), "Template items");
    SRptAvailableItemsTabCtrl* ctrl = window->GetAvailableItemsCtrl();
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(window->GetPane(1, 0), ctrl);
    ASSERT_NE(ctrl->GetCurrentPage(), nullptr);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Sales"));
    EXPECT_EQ(ctrl->GetCurrentPage()->GetAvailableItems(), sales.Get());

    auto* browser = dynamic_cast<SRptContentsItemsBrowser*>(window->GetPane(1, 1));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(static_cast<SRptContentsPane*>(browser), window->GetContentsPane());
    EXPECT_TRUE(templ.IsEqualObject(browser->GetTemplatePtr()));
    ASSERT_EQ(browser->GetRootCount(), 1);
    EXPECT_EQ(browser->GetNodeText(browser->GetRoot(0)->GetISBrowserNode()), "Sales template");

    SComWrap<ISRptTemplate> active;
    EXPECT_EQ(window->GetActiveTemplate(&active), S_OK);
    EXPECT_TRUE(active.IsEqualObject(templ.Get()));
}

TEST_F(SRptViewBaseTest, TheReportWindowHasATabPerTemplateAndTheLeftSideFollowsTheActiveTab) {
    Register("Orders", "Orders model");
    SComWrap<ISRptAvailableItems> orders = AddAvailables("Orders");
    AddTemplate("Orders", "Orders template");
    auto* window = MakeWindow<SRptViewReport>();
    EXPECT_EQ(window->GetIsTemplateEditor(), 0);
    EXPECT_STREQ(window->GetClassInfo()->className, "SRptViewReport");
    EXPECT_EQ(window->GetPane(0, 1)->GetWindowText(), "Report items");

    SRptTabWnd* tabs = TabsOf(window);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->GetTabCount(), 2);
    SRptAvailableItemsTabCtrl* ctrl = window->GetAvailableItemsCtrl();
    EXPECT_EQ(ctrl->GetPageCount(), 2);
    // The last set met is shown until the window brings the left side in step.
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Orders"));
    EXPECT_EQ(window->UpdateTabs(), S_OK);
    EXPECT_EQ(tabs->GetActiveTabIndex(), 0);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Sales"));
    EXPECT_FALSE(ctrl->GetPage("Orders")->IsWindowVisible());

    tabs->ClickTab(1);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Orders"));
    EXPECT_TRUE(ctrl->GetCurrentPage()->IsWindowVisible());
    EXPECT_FALSE(ctrl->GetPage("Sales")->IsWindowVisible());

    EXPECT_EQ(window->ActivateAvailableItemsTab("Sales"), S_OK);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Sales"));
    EXPECT_EQ(window->ActivateAvailableItemsTab("Nobody"), S_FALSE);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Sales"));
}

TEST_F(SRptViewBaseTest, TabTogglesTheActiveSideAndTheFocusFollows) {
    auto* window = MakeWindow<SRptViewTemplate>();
    SWnd* left = window->GetAvailableItemsCtrl()->GetCurrentPage();
    SWnd* right = window->GetPane(1, 1);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(window->GetLeftPaneActive(), 1);
    EXPECT_EQ(window->ComputeActivePane(), left);

    // The Tab accelerator's command, as the shell view hands it on.
    EXPECT_EQ(window->ToggleActivePane(), 0);
    EXPECT_EQ(window->GetLeftPaneActive(), 0);
    EXPECT_EQ(window->ComputeActivePane(), right);
    EXPECT_EQ(SWnd::GetFocus(), right);
    window->ToggleActivePane();
    EXPECT_EQ(window->GetLeftPaneActive(), 1);
    EXPECT_EQ(SWnd::GetFocus(), left);

    // A side recorded without moving the focus, then with.
    EXPECT_EQ(window->SetFocusOnLeftPane(0, 0), 0);
    EXPECT_EQ(window->ComputeActivePane(), right);
    EXPECT_EQ(SWnd::GetFocus(), left);
    window->SetFocusOnLeftPane(1, 1);
    window->SetFocusOnLeftPane(0, 1);
    EXPECT_EQ(SWnd::GetFocus(), right);

    // Focus given to the window passes on to the active side's browser.
    window->SetFocusOnLeftPane(1, 0);
    window->SetFocus();
    EXPECT_EQ(SWnd::GetFocus(), left);
    EXPECT_EQ(window->GetLeftPaneActive(), 1);
}

TEST_F(SRptViewBaseTest, ItemsAreAddedToTheActiveTemplateByTheLeftSidesAddCommandAndByTheWindow) {
    auto* window = MakeWindow<SRptViewReport>();
    // The Add command goes to the left side's browser, which adds its selection on the right.
    SRptAvailableItemsBrowser* page = window->GetAvailableItemsCtrl()->GetCurrentPage();
    SelectOnly(page, {ItemOf(sales.Get(), "TEXT").Get()});
    EXPECT_EQ(window->OnCmdMsg(ID_RPT_ITEM_ADD, CN_COMMAND, nullptr, nullptr), 1);
    EXPECT_EQ(Contents(), (Strings{"TEXT"}));

    SComWrap<ISRptItem> added;
    ASSERT_EQ(window->AddItemToActiveTemplate(ItemOf(sales.Get(), "TITLE").Get(), &added), S_OK);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->GetItemID(), "TITLE");
    EXPECT_EQ(Contents().size(), 2u);
}

TEST_F(SRptViewBaseTest, CommandsNobodyHandlesReachTheSessionsTargetOrStayUnhandled) {
    auto* window = MakeWindow<SRptViewTemplate>();
    // Without a session (or with one that has no command target) nothing is thrown.
    EXPECT_EQ(window->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 0);
    window->SetSession(session.Get());
    EXPECT_EQ(window->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 0);

    SComWrap<SFakeSession> fake(new SFakeSession);
    EXPECT_EQ(window->SetSession(fake.Get()), S_OK);
    SComWrap<ISRepSession> bound;
    EXPECT_EQ(window->GetSession(&bound), S_OK);
    EXPECT_EQ(bound.Get(), fake.Get());
    EXPECT_EQ(window->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 1);
    fake->target->answer = 0;
    EXPECT_EQ(window->OnCmdMsg(30001, CN_COMMAND, nullptr, nullptr), 0);
    // A command the active browser takes goes no further.
    EXPECT_TRUE(Enabled(window, ID_RPT_CHANGE_FONTS));
    EXPECT_EQ(fake->target->ids, (std::vector<uint32_t>{30000, 30001}));

    EXPECT_EQ(window->SetSession(nullptr), S_OK);
    EXPECT_EQ(window->GetSession(&bound), S_OK);
    EXPECT_FALSE(bound);
    EXPECT_EQ(window->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 0);
}

TEST_F(SRptViewBaseTest, DetachingFromTheReportIsSafeInTheWindowAndBothPanes) {
    auto* window = MakeWindow<SRptViewReport>();
    SRptTabWnd* tabs = TabsOf(window);
    const int32_t pages = window->GetAvailableItemsCtrl()->GetPageCount();
    // Another interface pointer of the same report is the same report.
    SComWrap<ISRptParaContainer> sameObject;
    sameObject = static_cast<IUnknown*>(report.Get());
    ASSERT_TRUE(sameObject);
    SComWrap<ISRptReport> same;
    same = static_cast<IUnknown*>(sameObject.Get());
    EXPECT_EQ(window->SetReport(same.Get()), S_FALSE);

    // Every final close detaches: nothing is asked of a null report.
    EXPECT_EQ(window->SetReport(nullptr), S_OK);
    SComWrap<ISRptReport> held;
    EXPECT_EQ(window->GetReport(&held), S_OK);
    EXPECT_FALSE(held);
    EXPECT_EQ(window->SetReport(nullptr), S_FALSE);
    EXPECT_EQ(tabs->SetReport(nullptr), S_FALSE);
    EXPECT_EQ(window->GetAvailableItemsCtrl()->SetReport(nullptr), S_FALSE);
    EXPECT_EQ(window->GetAvailableItemsCtrl()->GetPageCount(), pages);

    // A template's browser has no report to let go.
    auto* templateWindow = MakeWindow<SRptViewTemplate>();
    EXPECT_EQ(templateWindow->SetReport(nullptr), S_OK);
    EXPECT_EQ(templateWindow->GetContentsPane()->SetReport(nullptr), S_OK);

    // Bound again, the tabs come back with UpdateTabs.
    EXPECT_EQ(window->SetReport(report.Get()), S_OK);
    EXPECT_EQ(window->UpdateTabs(), S_OK);
    EXPECT_EQ(tabs->GetTabCount(), 1);
}

TEST_F(SRptViewBaseTest, AReportWithoutTemplatesOrAvailableItemsGivesEmptyPanesAndNoException) {
    templ.Clear();
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    SComWrap<ISRepClassCol> availables;
    ASSERT_EQ(report->GetAvailableItemsCollection(&availables), S_OK);
    sales.Clear();
    ASSERT_EQ(availables->DeleteAll(), S_OK);

    auto* reportWindow = MakeWindow<SRptViewReport>();
    EXPECT_EQ(TabsOf(reportWindow)->GetTabCount(), 0);
    EXPECT_EQ(reportWindow->GetAvailableItemsCtrl()->GetPageCount(), 0);
    EXPECT_EQ(reportWindow->ComputeActivePane(), nullptr);
    EXPECT_EQ(reportWindow->UpdateTabs(), S_OK);
    EXPECT_EQ(reportWindow->SyncAvailableItemsTabWithActiveContentsTab(), S_FALSE);
    reportWindow->ToggleActivePane();
    EXPECT_EQ(reportWindow->ComputeActivePane(), nullptr);
    EXPECT_EQ(reportWindow->OnCmdMsg(ID_RPT_ITEM_ADD, CN_COMMAND, nullptr, nullptr), 0);

    auto* templateWindow = MakeWindow<SRptViewTemplate>();
    auto* browser = dynamic_cast<SRptContentsItemsBrowser*>(templateWindow->GetPane(1, 1));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->GetRootCount(), 0);
    EXPECT_EQ(templateWindow->SyncAvailableItemsTabWithActiveContentsTab(), S_FALSE);
}

TEST_F(SRptViewBaseTest, AnActiveTemplateWhoseModuleHasNoPageLeavesTheLeftSideAsItIs) {
    SComWrap<ISRepClassCol> availables;
    ASSERT_EQ(report->GetAvailableItemsCollection(&availables), S_OK);
    sales.Clear();
    ASSERT_EQ(availables->DeleteAll(), S_OK);
    auto* window = MakeWindow<SRptViewReport>();
    ASSERT_EQ(TabsOf(window)->GetTabCount(), 1);
    ASSERT_EQ(window->GetAvailableItemsCtrl()->GetPageCount(), 0);
    EXPECT_EQ(window->SyncAvailableItemsTabWithActiveContentsTab(), S_OK);
    EXPECT_EQ(window->GetAvailableItemsCtrl()->GetCurrentPage(), nullptr);
}

TEST_F(SRptViewBaseTest, BeforeCreationTheWindowAnswersWithoutPanes) {
    auto* window = new SRptViewReport(report.Get(), nullptr);
    EXPECT_EQ(window->GetRefCount(), 0u);
    ISRptTemplate* active = reinterpret_cast<ISRptTemplate*>(0x10);
    EXPECT_EQ(window->GetActiveTemplate(&active), S_FALSE);
    EXPECT_EQ(active, nullptr);
    EXPECT_EQ(window->UpdateTabs(), S_FALSE);
    EXPECT_EQ(window->ComputeActivePane(), nullptr);
    EXPECT_EQ(window->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 0);
    window->AddRef();
    window->Release();
}

TEST_F(SRptViewBaseTest, AHolderKeepsTheWindowObjectPastItsWindow) {
    auto* window = MakeWindow<SRptViewReport>();
    window->AddRef();
    EXPECT_EQ(window->GetRefCount(), 2u);
    window->DestroyWindow();
    EXPECT_EQ(window->GetRefCount(), 1u);
    // What a final close does after the window went.
    EXPECT_EQ(window->GetContentsPane(), nullptr);
    EXPECT_EQ(window->GetAvailableItemsCtrl(), nullptr);
    EXPECT_EQ(window->SetReport(nullptr), S_OK);
    EXPECT_EQ(window->UpdateTabs(), S_FALSE);
    window->Release();
}

TEST_F(SRptViewBaseTest, TheSessionsViewFaceAndTheShellViewsNotifications) {
    auto* shellView = new SWindowShellView;
    shellView->AddRef();
    auto* window = MakeWindow<SRptViewTemplate>(shellView);
    shellView->window = window;

    ISRepSessionView* face = nullptr;
    ASSERT_EQ(window->QueryInterface(ISRepSessionView::iid, reinterpret_cast<void**>(&face)), S_OK);
    EXPECT_EQ(window->GetRefCount(), 2u);
    EXPECT_EQ(face->SessionCanClose(), S_OK);
    EXPECT_EQ(face->GetISShellView(), shellView->GetShellViewFace());
    EXPECT_EQ(face->UpdateTitle(), S_OK);
    EXPECT_EQ(shellView->titleUpdates, 1);
    face->Release();
    void* other = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(window->QueryInterface(ISRepSession::iid, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(window->QueryInterface(IUnknown::iid, nullptr), E_POINTER);
    // A session's close without a bound session is refused.
    EXPECT_EQ(window->SessionClose(), E_POINTER);

    // Control notifications: without a message, or a WM_NOTIFY without its record, unhandled.
    int32_t result = 7;
    EXPECT_EQ(shellView->OnControlNotify(0, nullptr, nullptr, &result), S_FALSE);
    MSG notify{};
    notify.message = WM_NOTIFY;
    EXPECT_EQ(shellView->OnControlNotify(0, nullptr, &notify, &result), S_FALSE);
    EXPECT_EQ(result, 7);
    // A control's WM_COMMAND reaches the window's active browser.
    SelectOnly(window->GetAvailableItemsCtrl()->GetCurrentPage(), {ItemOf(sales.Get(), "TITLE").Get()});
    MSG command{};
    command.message = WM_COMMAND;
    command.wParam = ID_RPT_ITEM_ADD;
    command.lParam = 1;
    EXPECT_EQ(shellView->OnControlNotify(0, nullptr, &command, &result), S_OK);
    EXPECT_EQ(Contents(), (Strings{"TITLE"}));

    // The session's close withdraws the window from the session and closes the frame.
    shellView->window = nullptr;
    ASSERT_EQ(session->AdviseSessionSink(window), S_OK);
    window->SetSession(session.Get());
    EXPECT_EQ(window->GetRefCount(), 2u);
    EXPECT_EQ(window->SessionClose(), S_OK);
    EXPECT_EQ(session->UnadviseSessionSink(window), S_FALSE);
    EXPECT_EQ(frame.GetSafeHwnd(), 0u);
    shellView->Release();
}

TEST_F(SRptViewBaseTest, GeneratingWithoutAReportThrowsAndClosingAsksTheFrame) {
    auto* window = MakeWindow<SRptViewTemplate>();
    window->AddRef();
    window->SetReport(nullptr);
    try {
        window->GenerateReport();
        FAIL() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    // The frame holding the view closes, and the view's window with it.
    window->Close();
    EXPECT_EQ(frame.GetSafeHwnd(), 0u);
    EXPECT_EQ(window->GetSafeHwnd(), 0u);
    window->Release();
}
