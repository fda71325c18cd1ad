#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/host/ISShellCommandClass.h"
#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellView.h"
#include "platform/host/SHostCommandDispatcher.h"
#include "platform/host/SShellViewClass.h"
#include "platform/host/SStandInHost.h"
#include "platform/ui/SAccelerators.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SSysCmdUI.h"
#include "platform/ui/SToolbarResource.h"
#include "rpt/resources/SRptCommandResources.h"

namespace {

// A command class of the test's.
class STestCommandClass final : public ISShellCommandClass {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (riid != IUnknown::iid && riid != ISShellCommandClass::iid) return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++refs; }
    uint32_t Release() override { return --refs; }
    HRESULT GetCommandClassID(GUID*) override { return E_NOTIMPL; }
    HRESULT OnCommandHelp(uint32_t, uint32_t, char16_t*, uint32_t) override { return 1; }
    uint32_t refs = 1;
};

// A view that supports the commands of its class and routes them through its map.
class STestView final : public SCmdTarget, public ISShellView, public ISShellCommandTarget {
    S_DECLARE_MESSAGE_MAP()

public:
    explicit STestView(ISShellCommandClass* commandClass) : m_class(commandClass) {}
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (riid == IUnknown::iid || riid == ISShellView::iid) *out = static_cast<ISShellView*>(this);
        else if (riid == ISShellCommandTarget::iid) *out = static_cast<ISShellCommandTarget*>(this);
        else return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++refs; }
    uint32_t Release() override { return --refs; }

    HRESULT GetWindowHandle(HWND* hwnd) override {
        *hwnd = 0;
        return E_FAIL;
    }
    HRESULT CreateViewWindow(ISShellWindow*) override { return E_NOTIMPL; }
    HRESULT GetViewClass(ISShellViewClass**) override { return 1; }
    HRESULT OnViewActivate(int32_t) override { return S_OK; }
    HRESULT CloseView(int32_t final) override {
        closes.push_back(final);
        // As an editor's window does when its document closes: it asks its frame to close.
        if (frameWindow) SendMessageA(frameWindow, WM_CLOSE, 0, 0);
        return refuseClose ? 1 : S_OK;
    }
    HRESULT GetHostFrame(ISShellHostFrame**) override { return E_FAIL; }
    HRESULT QueryViewSite() override { return 0; }
    HRESULT ActivateView() override { return 0; }

    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override {
        return (commandClass == m_class || (!commandClass && id >= 100 && id <= 122)) ? S_OK : 1;
    }
    HRESULT OnCommand(uint32_t id, ISShellCommandClass*) override {
        return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) ? S_OK : 1;
    }
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass*, uint32_t* state, char16_t* text, uint32_t cch) override {
        SSysCmdUI ui(text, static_cast<int32_t>(cch));
        ui.m_nID = id;
        if (!ui.DoUpdate(this, 1)) return 1;
        *state = ui.GetFlags();
        return S_OK;
    }
    HRESULT OnControlNotify(uint32_t, ISShellCommandClass*, MSG*, int32_t*) override { return 1; }

    void OnUp() { commands.push_back(45001); }
    void OnTogglePane() { commands.push_back(6101); }
    void OnUpUI(SCmdUI* ui) {
        ui->Enable(1);
        ui->SetCheck(1);
        ui->SetText("Move Up");
    }

    uint32_t refs = 1;
    std::vector<int32_t> closes;
    std::vector<uint32_t> commands;
    bool refuseClose = false;
    HWND frameWindow = 0;

private:
    ISShellCommandClass* m_class;
};

S_BEGIN_MESSAGE_MAP(STestView, SCmdTarget)
    SMsgEntry::Command(45001, &STestView::OnUp),
    SMsgEntry::UpdateUI(45001, &STestView::OnUpUI),
    SMsgEntry::Command(6101, &STestView::OnTogglePane),
S_END_MESSAGE_MAP()

class SStandInHostTest : public testing::Test {
protected:
    void SetUp() override {
        SRptCommandResources::Install(resources);
        m_previous = SModuleState::SetCurrent(&resources);
    }
    void TearDown() override { SModuleState::SetCurrent(m_previous); }

    SModuleState resources;
    STestCommandClass commandClass;

private:
    SModuleState* m_previous = nullptr;
};

}  // namespace

TEST_F(SStandInHostTest, AFrameHoldsItsViewUntilItClosesAndEveryCallIsRecorded) {
    auto host = SStandInHost::Create();
    STestView view(&commandClass);
    SComWrap<ISShellFrame> frame;
    ASSERT_EQ(host->CreateViewFrame(&view, u"Report Template", &frame), S_OK);
    ASSERT_TRUE(frame);
    EXPECT_EQ(view.refs, 2u) << "the host holds the view";
    frame->SetTitle(u"Report Template, Sales");
    ASSERT_EQ(host->GetFrames().size(), 1u);
    EXPECT_EQ(host->GetFrames()[0]->GetCaption(), "Report Template");
    EXPECT_EQ(host->GetFrames()[0]->GetTitle(), "Report Template, Sales");

    view.refuseClose = true;
    EXPECT_EQ(frame->Close(), 1);
    EXPECT_EQ(view.refs, 2u) << "a view that refuses its close stays open";
    view.refuseClose = false;
    EXPECT_EQ(frame->Close(), S_OK);
    EXPECT_EQ(view.closes, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(view.refs, 1u);
    EXPECT_TRUE(host->GetFrames().empty());

    std::vector<std::string> operations;
    for (const SHostCall& call : host->GetCalls()) operations.push_back(call.operation.str());
    EXPECT_EQ(operations, (std::vector<std::string>{"CreateViewFrame", "SetTitle", "Close", "Close"}));
}

TEST_F(SStandInHostTest, ACloseMessageToAFramesWindowClosesTheFrameAsCloseDoes) {
    auto host = SStandInHost::Create();
    STestView view(&commandClass);
    SComWrap<ISShellFrame> frame;
    ASSERT_EQ(host->CreateViewFrame(&view, u"Report", &frame), S_OK);
    HWND window = 0;
    ASSERT_EQ(frame->GetWindowHandle(&window), S_OK);

    view.refuseClose = true;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(view.closes, (std::vector<int32_t>{1}));
    EXPECT_EQ(host->GetFrames().size(), 1u) << "a view that refuses its close keeps its frame";
    EXPECT_TRUE(SWnd::IsWindow(window));

    view.refuseClose = false;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(view.closes, (std::vector<int32_t>{1, 1}));
    EXPECT_TRUE(host->GetFrames().empty());
    EXPECT_FALSE(SWnd::IsWindow(window));
    EXPECT_EQ(view.refs, 1u) << "the host let go of the view";

    // A view whose close asks its frame to close again is closed once.
    STestView asking(&commandClass);
    SComWrap<ISShellFrame> second;
    ASSERT_EQ(host->CreateViewFrame(&asking, u"Report", &second), S_OK);
    ASSERT_EQ(second->GetWindowHandle(&asking.frameWindow), S_OK);
    second.Clear();
    SendMessageA(asking.frameWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(asking.closes, (std::vector<int32_t>{1}));
    EXPECT_TRUE(host->GetFrames().empty());
    EXPECT_EQ(asking.refs, 1u);
}

TEST_F(SStandInHostTest, ClosingEveryFrameClosesEachOnceWhenOneClosesAnother) {
    auto host = SStandInHost::Create();
    // The first view's close closes the second view's frame, as closing a document closes its
    // other views; only the host holds the frames.
    STestView first(&commandClass), second(&commandClass), refusing(&commandClass);
    for (STestView* view : {&first, &second, &refusing}) {
        SComWrap<ISShellFrame> frame;
        ASSERT_EQ(host->CreateViewFrame(view, u"Report", &frame), S_OK);
    }
    ASSERT_EQ(host->GetFrames()[1]->GetWindowHandle(&first.frameWindow), S_OK);
    refusing.refuseClose = true;

    EXPECT_EQ(host->CloseAllFrames(), 1);
    EXPECT_EQ(first.closes, (std::vector<int32_t>{1}));
    EXPECT_EQ(second.closes, (std::vector<int32_t>{1}));
    EXPECT_EQ(refusing.closes, (std::vector<int32_t>{1}));
    ASSERT_EQ(host->GetFrames().size(), 1u);
    EXPECT_EQ(host->GetFrames()[0]->GetView(), static_cast<ISShellView*>(&refusing));
    EXPECT_EQ(first.refs, 1u);
    EXPECT_EQ(second.refs, 1u);
    refusing.refuseClose = false;
    EXPECT_EQ(host->CloseAllFrames(), 0);
}

TEST_F(SStandInHostTest, AMenuIsCopiedWithItsItemDataAndACommandIsDispatchedToTheActiveView) {
    auto host = SStandInHost::Create();
    SMenu menu;
    ASSERT_EQ(menu.LoadMenu(302), 1);
    MENUITEMINFOA popupId;
    popupId.fMask = MIIM_ID;
    popupId.wID = 40;
    SetMenuItemInfoA(menu.m_hMenu, 0, 1, &popupId);
    SShellViewClass::StampMenuCommandClass(menu.m_hMenu, &commandClass);
    ASSERT_EQ(host->AddMenu(nullptr, menu.m_hMenu), S_OK);
    menu.DestroyMenu();  // the host keeps its own copy

    ASSERT_EQ(host->GetMenus().size(), 1u);
    const SHostMenuItem& popup = host->GetMenus()[0].items.at(0);
    EXPECT_EQ(popup.id, 40u);
    EXPECT_EQ(popup.text, "&Report");
    ASSERT_EQ(popup.items.size(), 14u);
    for (const SHostMenuItem& item : popup.items) EXPECT_EQ(item.CommandClass(), &commandClass) << item.text.c_str();
    EXPECT_EQ(popup.items[0].id, 45001u);
    EXPECT_EQ(popup.items[13].text, "INSERT MARK");

    STestView view(&commandClass);
    SComWrap<ISShellFrame> frame;
    host->CreateViewFrame(&view, u"Report", &frame);
    SHostCommandDispatcher dispatcher(*host);
    EXPECT_EQ(dispatcher.FindCommandClass(45001), &commandClass);
    EXPECT_EQ(dispatcher.Fire(45001), S_OK);
    EXPECT_EQ(dispatcher.Fire(45002), 1) << "supported, but no handler";
    EXPECT_EQ(dispatcher.Fire(99), 1) << "no class and outside the host's range";
    EXPECT_EQ(view.commands, (std::vector<uint32_t>{45001}));

    const SHostCommandUI ui = dispatcher.QueryCommandUI(45001);
    EXPECT_EQ(ui.result, S_OK);
    EXPECT_EQ(ui.state, SSysCmdUI::kEnabled | SSysCmdUI::kChecked | SSysCmdUI::kText);
    EXPECT_EQ(ui.text, u"Move Up");
    frame->Close();
}

TEST_F(SStandInHostTest, AcceleratorsAndToolbarsReachTheHostAsRecords) {
    auto host = SStandInHost::Create();
    HACCEL table = LoadAcceleratorsA(nullptr, 430);
    ACCEL entry;
    ASSERT_EQ(CopyAcceleratorTableA(table, &entry, 1), 1);
    DestroyAcceleratorTable(table);
    SHELLACCEL record;
    record.commandId = entry.cmd;
    record.commandClass = &commandClass;
    record.flags = entry.fVirt;
    record.key = entry.key;
    host->AddAccelerators(&commandClass, &record, 1, 0);
    ASSERT_EQ(host->GetAccelerators().size(), 1u);
    EXPECT_EQ(host->GetAccelerators()[0].entries[0].commandId, 6101u);
    EXPECT_EQ(host->GetAccelerators()[0].entries[0].flags, 0x03);
    EXPECT_EQ(host->GetAccelerators()[0].entries[0].key, 0x09);

    SToolbarResource toolbar;
    ASSERT_TRUE(toolbar.Load(nullptr, 232));
    ASSERT_EQ(toolbar.ids.size(), 15u);
    std::vector<SHELLTOOLBARBUTTON> buttons(toolbar.ids.size());
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].kind = 1;
        buttons[i].commandId = toolbar.ids[i];
    }
    buttons[4].kind = 5;
    buttons[4].width = 100;
    buttons[4].style = 0x50200002;
    buttons[4].windowClass = u"COMBOBOX";
    host->AddToolbar(0, u"", buttons.data(), static_cast<uint32_t>(buttons.size()), &commandClass, nullptr, 232, 0xC0C0C0);
    int32_t position = 0;
    HWND combo = 0;
    ASSERT_EQ(host->GetToolbarControl(&position, 2054, &commandClass, &combo), S_OK);
    EXPECT_EQ(SWnd::FromHandle(combo)->GetClassName(), "COMBOBOX");
    EXPECT_EQ(host->GetToolbarControl(&position, 2054, &commandClass, &combo), S_FALSE);

    STestView view(&commandClass);
    SComWrap<ISShellFrame> frame;
    host->CreateViewFrame(&view, u"Report", &frame);
    SHostCommandDispatcher dispatcher(*host);
    EXPECT_EQ(dispatcher.FireAccelerator(0x03, 0x09), S_OK);
    EXPECT_EQ(view.commands, (std::vector<uint32_t>{6101}));
    frame->Close();
}
