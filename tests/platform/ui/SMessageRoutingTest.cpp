#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/SCmdUI.h"
#include "platform/ui/SSysCmdUI.h"
#include "platform/ui/SWnd.h"

namespace {

// A dialog-like base with a command, a range and an update handler, and a derived class that
// takes one of its commands itself and overrides a virtual handler.
class SRoutingBase : public SWnd {
    S_DECLARE_MESSAGE_MAP()

public:
    std::vector<std::string> calls;
    virtual void OnHelp() { calls.push_back("base help"); }
    void OnFirst() { calls.push_back("base first"); }
    void OnInsertVariable(uint32_t id) { calls.push_back("insert " + std::to_string(id)); }
    void OnFirstUI(SCmdUI* ui) { ui->Enable(0); }
    void OnSpin(NMHDR* header, LRESULT* result) {
        auto* spin = reinterpret_cast<NMUPDOWN*>(header);
        calls.push_back("spin " + std::to_string(header->idFrom) + " " + std::to_string(spin->iDelta));
        *result = 1;
    }
};

S_BEGIN_MESSAGE_MAP(SRoutingBase, SWnd)
    SMsgEntry::Command(9, &SRoutingBase::OnHelp),
    SMsgEntry::Command(1001, &SRoutingBase::OnFirst),
    SMsgEntry::UpdateUI(1001, &SRoutingBase::OnFirstUI),
    SMsgEntry::ControlRange(BN_CLICKED, 100, 200, &SRoutingBase::OnInsertVariable),
    SMsgEntry::Notify(UDN_DELTAPOS, 1115, &SRoutingBase::OnSpin),
S_END_MESSAGE_MAP()

class SRoutingDerived : public SRoutingBase {
    S_DECLARE_MESSAGE_MAP()

public:
    void OnHelp() override { calls.push_back("derived help"); }
    void OnOwnFirst() { calls.push_back("derived first"); }
    void OnSecond() { calls.push_back("derived second"); }
    void OnSecondAgain() { calls.push_back("derived second again"); }
    void OnEditChange() { calls.push_back("edit change"); }
};

S_BEGIN_MESSAGE_MAP(SRoutingDerived, SRoutingBase)
    SMsgEntry::Command(1001, &SRoutingDerived::OnOwnFirst),
    SMsgEntry::Command(1002, &SRoutingDerived::OnSecond),
    SMsgEntry::Command(1002, &SRoutingDerived::OnSecondAgain),
    SMsgEntry::Control(EN_CHANGE, 1005, &SRoutingDerived::OnEditChange),
S_END_MESSAGE_MAP()

}  // namespace

TEST(SMessageRouting, FirstMatchInTheClassMapThenTheBaseMaps) {
    SRoutingDerived target;
    EXPECT_EQ(target.OnCmdMsg(1001, CN_COMMAND, nullptr, nullptr), 1);  // the derived map's own entry wins
    EXPECT_EQ(target.OnCmdMsg(1002, CN_COMMAND, nullptr, nullptr), 1);  // first of two entries
    EXPECT_EQ(target.OnCmdMsg(9, CN_COMMAND, nullptr, nullptr), 1);     // from the base map, virtual
    EXPECT_EQ(target.OnCmdMsg(4242, CN_COMMAND, nullptr, nullptr), 0);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"derived first", "derived second", "derived help"}));

    SRoutingBase base;
    base.OnCmdMsg(1001, CN_COMMAND, nullptr, nullptr);
    base.OnCmdMsg(9, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(base.calls, (std::vector<std::string>{"base first", "base help"}));
}

TEST(SMessageRouting, ARangeEntrySendsEveryIdWithTheId) {
    SRoutingDerived target;
    for (uint32_t id : {99u, 100u, 150u, 200u, 201u}) target.OnCmdMsg(id, BN_CLICKED, nullptr, nullptr);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"insert 100", "insert 150", "insert 200"}));
}

TEST(SMessageRouting, ControlNotificationsAndNotifyRecordsReachTheirHandlers) {
    SRoutingDerived target;
    ASSERT_EQ(target.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 1);
    // An edit box of the window tells it of its change; a command of the same id does not match.
    target.SendMessage(WM_COMMAND, MAKEWPARAM(1005, EN_CHANGE), 0);
    target.SendMessage(WM_COMMAND, MAKEWPARAM(1005, BN_CLICKED), 0);
    NMUPDOWN spin;
    spin.hdr.idFrom = 1115;
    spin.hdr.code = UDN_DELTAPOS;
    spin.iDelta = -1;
    const LRESULT result = target.SendMessage(WM_NOTIFY, 1115, reinterpret_cast<LPARAM>(&spin));
    spin.hdr.idFrom = 1116;
    target.SendMessage(WM_NOTIFY, 1116, reinterpret_cast<LPARAM>(&spin));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"edit change", "spin 1115 -1"}));
    target.DestroyWindow();
}

TEST(SMessageRouting, CommandUpdatesAskTheUpdateHandlerOrTheCommandHandler) {
    SRoutingDerived target;
    SCmdUI withUpdate;
    withUpdate.m_nID = 1001;
    EXPECT_EQ(withUpdate.DoUpdate(&target, 1), 1);
    EXPECT_EQ(withUpdate.m_enabled, 0);  // the update handler disabled it
    SCmdUI commandOnly;
    commandOnly.m_nID = 1002;
    EXPECT_EQ(commandOnly.DoUpdate(&target, 1), 1);
    EXPECT_EQ(commandOnly.m_enabled, 1);
    SCmdUI unknown;
    unknown.m_nID = 4242;
    EXPECT_EQ(unknown.DoUpdate(&target, 1), 0);
    EXPECT_EQ(unknown.m_enabled, 0);
    EXPECT_TRUE(target.calls.empty()) << "an update runs no command";
}

TEST(SSysCmdUI, StateFlagsAndATextCutToTheBuffer) {
    char16_t buffer[10];
    SSysCmdUI ui(buffer, 10);
    EXPECT_EQ(ui.GetFlags(), 0u);
    ui.Enable(1);
    ui.SetCheck(1);
    ui.SetRadio(1);
    ui.SetRadio(0);
    ui.SetText("Generate HTML report");
    EXPECT_EQ(ui.GetFlags(), 1u | 2u | 8u);
    EXPECT_TRUE(ui.m_bEnableChanged);
    EXPECT_EQ(std::u16string(buffer), u"Generate ");  // 9 characters and the terminator
    ui.Enable(0);
    EXPECT_EQ(ui.GetFlags(), 2u | 8u);
}
