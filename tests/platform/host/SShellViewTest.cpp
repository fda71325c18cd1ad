// Shell views, shell view classes and command classes as the host holds them: their faces and
// reference counts, the list of open views, frames and docking, and closing a view.
#include <gtest/gtest.h>

#include <vector>

#include "platform/host/SHostCommandDispatcher.h"
#include "platform/host/SShellCommandClass.h"
#include "platform/host/SShellView.h"
#include "platform/host/SShellViewClass.h"
#include "platform/host/SStandInHost.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SWnd.h"
#include "support/STestHostFrameOps.h"
#include "support/STestRptProcs.h"
#include "support/STestShellModule.h"

namespace {

using SViewClassRef = SComWrap<SShellViewClass, &ISShellViewClass::iid>;

// A shell view with a window of its own, which lets it dock; it tells when it goes, and how many
// references its kind had left then.
class STestShellView final : public SShellView {
public:
    STestShellView(SShellModule* module, SShellViewClass* viewClass, bool* gone = nullptr, int32_t* classRefs = nullptr)
        : SShellView(module, viewClass), m_gone(gone), m_classRefs(classRefs), m_kind(viewClass) {}
    void GiveWindow(SWnd* window) { m_window = window; }

private:
    ~STestShellView() override {
        if (m_gone) *m_gone = true;
        if (m_classRefs && m_kind) *m_classRefs = m_kind->GetRefCount();
    }
    bool* m_gone;
    int32_t* m_classRefs;
    SShellViewClass* m_kind;
};

class SShellViewTest : public testing::Test {
protected:
    void SetUp() override {
        module.Reset(new STestShellModule);
        module->Initialize(host.Get());
        viewClass.Reset(new SShellViewClass);
        module->AddViewClass(viewClass.Get());
        window.Create("STATIC", "view", WS_CHILD, RECT{0, 0, 100, 100}, &host->GetMainWindow(), 0);
    }
    void TearDown() override {
        host->CloseAllFrames();
        module->RemoveViewClass(viewClass.Get());
        module->Terminate();
    }

    // A view of the test's kind in a frame the host opened with `flags`, held by the host only.
    STestShellView* OpenView(uint32_t flags, bool withWindow = true) {
        auto* view = new STestShellView(module.Get(), viewClass.Get());
        if (withWindow) view->GiveWindow(&window);
        EXPECT_EQ(view->CreateFrame("Report", flags, 0x10, 0), 1);
        return view;
    }

    SComWrap<SStandInHost, &ISShellHostFrame::iid> host = SStandInHost::Create();
    SComWrap<STestShellModule> module;
    SViewClassRef viewClass;
    SWnd window;
};

// A pane that only its view holds; the pane holds the view until it goes.
class STestPane final : public STestRefCounted<ISShellFrame> {
public:
    explicit STestPane(ISShellView* view) : m_view(view) {}
    HRESULT GetWindowHandle(HWND*) override { return E_FAIL; }
    HRESULT SetTitle(const char16_t*) override { return S_OK; }
    HRESULT Show(int32_t) override { return S_OK; }
    HRESULT Activate() override { return S_OK; }
    HRESULT Close() override { return S_OK; }

private:
    SComWrap<ISShellView> m_view;
};

// A host that opens every view docked in a pane that only the view holds.
class STestPaneHost final : public STestHostFrameOps, public ISShellFrameViews {
public:
    static constexpr GUID iid = ISShellHostFrame::iid;
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        *out = nullptr;
        if (riid == IUnknown::iid || riid == ISShellHostFrame::iid) *out = static_cast<ISShellHostFrame*>(this);
        else if (riid == ISShellFrameViews::iid) *out = static_cast<ISShellFrameViews*>(this);
        else return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++refs); }
    uint32_t Release() override {
        if (--refs == 0) {
            delete this;
            return 0;
        }
        return static_cast<uint32_t>(refs);
    }
    HRESULT DockView(ISShellView*, int32_t, int32_t, ISShellFrame**) override { return E_NOTIMPL; }
    HRESULT UndockView(ISShellView*, ISShellFrame**) override { return E_NOTIMPL; }
    HRESULT CreateDockedView(ISShellView* view, int32_t, const char16_t*, int32_t, ISShellFrame** pane) override {
        *pane = new STestPane(view);
        (*pane)->AddRef();
        return S_OK;
    }
    int32_t refs = 0;
};

}  // namespace

TEST(SShellViewCounts, ClassesStartAtZeroCommandClassesAtOneAndEachFaceLeadsToTheSameObject) {
    auto* viewClass = new SShellViewClass;
    EXPECT_EQ(viewClass->GetRefCount(), 0);
    void* asUnknown = nullptr;
    void* asViewClass = nullptr;
    void* asCommandClass = nullptr;
    ASSERT_EQ(viewClass->QueryInterface(IUnknown::iid, &asUnknown), S_OK);
    ASSERT_EQ(viewClass->QueryInterface(ISShellViewClass::iid, &asViewClass), S_OK);
    ASSERT_EQ(viewClass->QueryInterface(ISShellCommandClass::iid, &asCommandClass), S_OK);
    EXPECT_EQ(asUnknown, asViewClass);
    EXPECT_NE(asCommandClass, asViewClass);
    EXPECT_EQ(asCommandClass, static_cast<void*>(viewClass->GetCommandClassFace()));
    EXPECT_EQ(viewClass->GetRefCount(), 3);
    void* none = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(viewClass->QueryInterface(ISShellView::iid, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(viewClass->QueryInterface(IUnknown::iid, nullptr), E_POINTER);
    GUID id{};
    EXPECT_EQ(viewClass->GetViewClassID(&id), E_NOTIMPL);
    EXPECT_EQ(viewClass->GetCommandClassID(&id), E_NOTIMPL);
    static_cast<ISShellCommandClass*>(asCommandClass)->Release();
    static_cast<ISShellViewClass*>(asViewClass)->Release();
    EXPECT_EQ(static_cast<IUnknown*>(asUnknown)->Release(), 0u);

    auto* commandClass = new SShellCommandClass;
    EXPECT_EQ(commandClass->GetRefCount(), 1);
    SComWrap<ISShellCommandClass> face;
    EXPECT_EQ(face.Assign(commandClass), S_OK);
    EXPECT_EQ(face.Get(), static_cast<ISShellCommandClass*>(commandClass));
    EXPECT_EQ(commandClass->QueryInterface(ISShellViewClass::iid, &none), E_NOINTERFACE);
    EXPECT_EQ(face->GetCommandClassID(&id), E_NOTIMPL);
    EXPECT_EQ(face->OnCommandHelp(1, 0, nullptr, 0), E_NOTIMPL);
    face.Clear();
    EXPECT_EQ(commandClass->Release(), 0u);
}

TEST_F(SShellViewTest, AViewStartsAtZeroAndStandsInItsKindsListUntilItCloses) {
    auto* loose = new STestShellView(module.Get(), nullptr);
    EXPECT_EQ(loose->GetRefCount(), 0);
    SComWrap<ISShellView> looseFace(loose->GetShellViewFace());
    ISShellViewClass* noClass = reinterpret_cast<ISShellViewClass*>(0x10);
    EXPECT_EQ(looseFace->GetViewClass(&noClass), S_FALSE);
    EXPECT_EQ(noClass, nullptr);
    looseFace.Clear();

    bool gone = false;
    auto* view = new STestShellView(module.Get(), viewClass.Get(), &gone);
    // The kind's list holds the view; the view holds its kind.
    EXPECT_EQ(view->GetRefCount(), 1);
    EXPECT_EQ(viewClass->GetRefCount(), 3);  // the test's, the module's and the view's
    EXPECT_EQ(viewClass->GetViews(), (std::vector<ISShellView*>{view->GetShellViewFace()}));

    void* asUnknown = nullptr;
    void* asView = nullptr;
    void* asTarget = nullptr;
    view->QueryInterface(IUnknown::iid, &asUnknown);
    view->QueryInterface(ISShellView::iid, &asView);
    view->QueryInterface(ISShellCommandTarget::iid, &asTarget);
    EXPECT_EQ(asUnknown, asView);
    EXPECT_EQ(asTarget, static_cast<void*>(view->GetCommandTargetFace()));
    EXPECT_NE(asTarget, asView);
    SComWrap<ISShellView> face;
    face.Attach(static_cast<ISShellView*>(asView));
    static_cast<IUnknown*>(asUnknown)->Release();
    static_cast<ISShellCommandTarget*>(asTarget)->Release();

    SComWrap<ISShellViewClass> kind;
    EXPECT_EQ(face->GetViewClass(&kind), S_OK);
    EXPECT_EQ(kind.Get(), viewClass->GetViewClassFace());
    kind.Clear();
    SComWrap<ISShellHostFrame> frame;
    EXPECT_EQ(face->GetHostFrame(&frame), S_OK);
    EXPECT_EQ(frame.Get(), static_cast<ISShellHostFrame*>(host.Get()));
    frame.Clear();

    EXPECT_EQ(face->CloseView(1), S_OK);
    EXPECT_TRUE(viewClass->GetViews().empty());
    EXPECT_EQ(viewClass->GetRefCount(), 2);
    EXPECT_EQ(view->GetRefCount(), 1);
    EXPECT_EQ(face->GetHostFrame(&frame), E_FAIL);
    EXPECT_EQ(frame.Get(), nullptr);
    EXPECT_EQ(face->GetHostFrame(nullptr), E_POINTER);
    // A second close finds nothing to leave.
    EXPECT_EQ(face->CloseView(0), S_OK);
    EXPECT_EQ(viewClass->GetRefCount(), 2);
    EXPECT_FALSE(gone);
    face.Clear();
    EXPECT_TRUE(gone);

    // A view that never joined the list cannot leave it.
    SComWrap<SShellViewClass, &ISShellViewClass::iid> other(new SShellViewClass);
    auto* stranger = new STestShellView(module.Get(), other.Get());
    EXPECT_EQ(viewClass->RemoveView(stranger->GetShellViewFace()), 0);
    EXPECT_EQ(viewClass->RemoveView(nullptr), 0);
    EXPECT_EQ(other->GetViews().size(), 1u);
    stranger->CloseView(0);
}

TEST_F(SShellViewTest, CloseViewKeepsTheViewUntilItHasLetGoOfEverything) {
    // The pane is held only by the view, and holds the view: closing lets go of the pane, and
    // with it of a reference on the view, before the view leaves its kind's list.
    SComWrap<STestPaneHost> paneHost(new STestPaneHost);
    SComWrap<STestShellModule> paneModule(new STestShellModule);
    paneModule->Initialize(paneHost.Get());
    bool gone = false;
    int32_t classRefsWhenGone = -1;
    auto* view = new STestShellView(paneModule.Get(), viewClass.Get(), &gone, &classRefsWhenGone);
    ASSERT_EQ(view->CreateFrame("Report", 1, 0x10, 0), 1);
    ASSERT_NE(view->GetDockedPane(), nullptr);
    EXPECT_EQ(view->GetRefCount(), 2);  // the kind's list and the pane

    // The caller holds no reference of its own: the host closes through the pane's hold.
    EXPECT_EQ(view->GetShellViewFace()->CloseView(1), S_OK);
    EXPECT_TRUE(gone);
    // The view went after it had given back its reference on the kind, not in the middle.
    EXPECT_EQ(classRefsWhenGone, 2);
    EXPECT_EQ(viewClass->GetRefCount(), 2);
    EXPECT_TRUE(viewClass->GetViews().empty());
    paneModule->Terminate();
    EXPECT_EQ(paneHost->refs, 1);
}

TEST_F(SShellViewTest, TheFrameFlagsChooseAViewFrameOrADockedPane) {
    STestShellView* fixed = OpenView(4);
    EXPECT_EQ(fixed->GetDockingFlag(), 0);
    EXPECT_NE(fixed->GetViewFrame(), nullptr);
    EXPECT_EQ(fixed->GetDockedPane(), nullptr);

    STestShellView* dockable = OpenView(0);
    EXPECT_EQ(dockable->GetDockingFlag(), 1);
    EXPECT_NE(dockable->GetViewFrame(), nullptr);

    auto* docked = new STestShellView(module.Get(), viewClass.Get());
    EXPECT_EQ(docked->CreateFrame("Report Template", 1, 0x10, 7), 1);
    EXPECT_EQ(docked->GetDockingFlag(), 1);
    EXPECT_EQ(docked->GetFrameValue(), 7u);
    EXPECT_EQ(docked->GetViewFrame(), nullptr);
    EXPECT_NE(docked->GetDockedPane(), nullptr);

    std::vector<SString> operations;
    for (const SHostCall& call : host->GetCalls())
        if (call.operation != "DockView") operations.push_back(call.operation + ":" + call.detail);
    EXPECT_EQ(operations, (std::vector<SString>{"CreateViewFrame:Report", "CreateViewFrame:Report",
                                                "CreateDockedView:Report Template"}));

    // Without a host frame nothing opens; the flags are still taken.
    auto* orphan = new STestShellView(nullptr, nullptr);
    SComWrap<ISShellView> hold(orphan->GetShellViewFace());
    EXPECT_EQ(orphan->CreateFrame(nullptr, 0, 0, 3), 0);
    EXPECT_EQ(orphan->GetDockingFlag(), 1);
    EXPECT_EQ(orphan->GetFrameValue(), 3u);
}

TEST_F(SShellViewTest, DockingViewMovesTheViewBetweenItsFrameAndADockedPane) {
    SHostCommandDispatcher dispatcher(*host);
    STestShellView* view = OpenView(0, false);
    // No window yet: docking is refused, but the command is offered.
    EXPECT_EQ(view->DockView(16), 0);
    SHostCommandUI ui = dispatcher.QueryCommandUI(120);
    EXPECT_EQ(ui.result, S_OK);
    EXPECT_EQ(ui.state, 1u);  // enabled, not checked
    view->GiveWindow(&window);

    EXPECT_EQ(dispatcher.Fire(120), S_OK);
    ASSERT_NE(view->GetDockedPane(), nullptr);
    EXPECT_EQ(view->GetViewFrame(), nullptr);
    EXPECT_EQ(host->GetCalls().back().operation, "DockView");
    EXPECT_EQ(host->GetCalls().back().detail, "16");
    EXPECT_EQ(view->DockView(16), 0);  // already docked
    ui = dispatcher.QueryCommandUI(120);
    EXPECT_EQ(ui.state, 1u | 2u);  // enabled and checked while docked
    EXPECT_EQ(dispatcher.QueryCommandUI(122).state, 1u);

    // "&Hide" hides the docked pane.
    EXPECT_EQ(dispatcher.Fire(122), S_OK);
    EXPECT_EQ(host->GetCalls().back().operation, "Show");
    EXPECT_EQ(host->GetCalls().back().detail, "0");

    EXPECT_EQ(dispatcher.Fire(120), S_OK);
    EXPECT_EQ(view->GetDockedPane(), nullptr);
    ASSERT_NE(view->GetViewFrame(), nullptr);
    EXPECT_EQ(view->UndockView(), 0);  // not docked any more
    ui = dispatcher.QueryCommandUI(122);
    EXPECT_EQ(ui.result, S_OK);
    EXPECT_EQ(ui.state, 0u);  // left as it was: not enabled

    // "&Hide" in a view frame closes the frame, and the view with it.
    HWND frameWindow = 0;
    view->GetViewFrame()->GetWindowHandle(&frameWindow);
    ASSERT_TRUE(SWnd::IsWindow(frameWindow));
    EXPECT_EQ(dispatcher.Fire(122), S_OK);
    EXPECT_FALSE(SWnd::IsWindow(frameWindow));
    EXPECT_TRUE(host->GetFrames().empty());
    EXPECT_TRUE(viewClass->GetViews().empty());
}

TEST_F(SShellViewTest, AViewFramedWithoutDockingNeitherDocksNorHides) {
    SHostCommandDispatcher dispatcher(*host);
    STestShellView* view = OpenView(4);
    SHostCommandUI ui = dispatcher.QueryCommandUI(120);
    EXPECT_EQ(ui.result, S_OK);
    EXPECT_EQ(ui.state, 0u);  // disabled and unchecked
    EXPECT_EQ(view->DockView(16), 0);
    host->ClearCalls();
    dispatcher.Fire(120);
    EXPECT_EQ(view->GetDockedPane(), nullptr);
    EXPECT_NE(view->GetViewFrame(), nullptr);
    for (const SHostCall& call : host->GetCalls()) EXPECT_NE(call.operation, "DockView");

    // A host without docking refuses quietly.
    STestShellView* dockable = OpenView(0);
    host->SetInterfaceAnswer(ISShellFrameViews::iid, E_NOINTERFACE);
    EXPECT_EQ(dockable->DockView(16), 0);
    EXPECT_NE(dockable->GetViewFrame(), nullptr);
}

TEST_F(SShellViewTest, TheHostsCommandsAreSupportedWithoutAClassAndTheKindsWithItsOwn) {
    STestShellView* view = OpenView(0);
    ISShellCommandTarget* target = view->GetCommandTargetFace();
    EXPECT_EQ(target->QueryCommandSupport(100, nullptr), S_OK);
    EXPECT_EQ(target->QueryCommandSupport(122, nullptr), S_OK);
    EXPECT_EQ(target->QueryCommandSupport(99, nullptr), S_FALSE);
    EXPECT_EQ(target->QueryCommandSupport(123, nullptr), S_FALSE);
    EXPECT_EQ(target->QueryCommandSupport(45001, viewClass->GetCommandClassFace()), S_OK);
    SComWrap<ISShellCommandClass> foreign;
    foreign.Attach(new SShellCommandClass);
    EXPECT_EQ(target->QueryCommandSupport(45001, foreign.Get()), S_FALSE);
    EXPECT_EQ(target->OnCommand(45001, nullptr), S_FALSE);
    uint32_t state = 99;
    EXPECT_EQ(target->OnCommandUI(45001, nullptr, &state, nullptr, 0), S_FALSE);
    EXPECT_EQ(state, 99u);
    MSG menuCommand;
    menuCommand.message = WM_COMMAND;
    menuCommand.wParam = 120;
    EXPECT_EQ(target->OnControlNotify(120, nullptr, &menuCommand, nullptr), S_FALSE);
}

TEST(SShellViewClassMenus, EveryItemButTheHostsOwnCommandsCarriesTheCommandClass) {
    SComWrap<SShellViewClass, &ISShellViewClass::iid> viewClass(new SShellViewClass);
    ISShellCommandClass* commandClass = viewClass->GetCommandClassFace();
    const size_t menusBefore = GetMenuCount();
    {
        SMenu menu;
        menu.CreatePopupMenu();
        SMenu inner;
        inner.CreatePopupMenu();
        inner.AppendMenu(MF_STRING, 300, "Host");
        inner.AppendMenu(MF_STRING, 301, "Library");
        inner.AppendMenu(MF_SEPARATOR, 0, "");
        menu.AppendMenu(MF_POPUP, inner.Detach(), "Popup");
        menu.AppendMenu(MF_STRING, 1, "First host command");
        menu.AppendMenu(MF_STRING, 45001, "&Up");
        SShellViewClass::StampMenuCommandClass(menu.GetSafeHmenu(), commandClass);

        auto dataOf = [](HMENU of, uint32_t position) {
            MENUITEMINFOA info;
            info.fMask = MIIM_DATA;
            GetMenuItemInfoA(of, position, 1, &info);
            return reinterpret_cast<ISShellCommandClass*>(info.dwItemData);
        };
        const HMENU popup = menu.GetSubMenu(0);
        EXPECT_EQ(dataOf(popup, 0), nullptr);
        EXPECT_EQ(dataOf(popup, 1), commandClass);
        EXPECT_EQ(dataOf(popup, 2), commandClass);  // a separator too
        EXPECT_EQ(dataOf(menu.GetSafeHmenu(), 0), commandClass);  // the popup's id is 0
        EXPECT_EQ(dataOf(menu.GetSafeHmenu(), 1), nullptr);
        EXPECT_EQ(dataOf(menu.GetSafeHmenu(), 2), commandClass);
    }
    EXPECT_EQ(GetMenuCount(), menusBefore);
    // Without a host frame nothing reaches a host.
    EXPECT_EQ(viewClass->RegisterMenu(0), 0);
    EXPECT_EQ(viewClass->AddResourceToolbar(0, "", nullptr, 232, 0, 1), 0);
}
