#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SExceptionDialog.h"
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

// A window whose handlers fail: with a class-library exception, with a user's abort, with an
// exception of the language, and in a command update.
class SFailingTarget : public SWnd {
    S_DECLARE_MESSAGE_MAP()

public:
    void OnMissingInterface() { throw SECOMException(E_POINTER); }
    void OnAborted() { throw SEIOAbortedException(); }
    void OnForeign() { throw 42; }
    void OnFailingUI(SCmdUI* ui) {
        ui->Enable(1);
        throw SECOMException(E_FAIL, "no selection");
    }
};

S_BEGIN_MESSAGE_MAP(SFailingTarget, SWnd)
    SMsgEntry::Command(1001, &SFailingTarget::OnMissingInterface),
    SMsgEntry::Command(1002, &SFailingTarget::OnAborted),
    SMsgEntry::Command(1003, &SFailingTarget::OnForeign),
    SMsgEntry::UpdateUI(1001, &SFailingTarget::OnFailingUI),
S_END_MESSAGE_MAP()

// Leaves the exception reports as it found them: none.
class SFailingHandlers : public testing::Test {
protected:
    void SetUp() override { SExceptionDialog::ClearReports(); }
    void TearDown() override { SExceptionDialog::ClearReports(); }
    static std::vector<std::string> ReportTexts() {
        std::vector<std::string> texts;
        for (const SExceptionReport& report : SExceptionDialog::GetReports()) texts.push_back(report.text.c_str());
        return texts;
    }
};

}  // namespace

TEST_F(SFailingHandlers, TheRoutingReportsWhatAHandlerThrewAndCountsTheCommandAsTaken) {
    SFailingTarget target;
    EXPECT_EQ(target.OnCmdMsg(1001, CN_COMMAND, nullptr, nullptr), 1);
    EXPECT_EQ(target.OnCmdMsg(1003, CN_COMMAND, nullptr, nullptr), 1);
    // Each report names the command and what was thrown.
    const std::vector<std::string> texts = ReportTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_THAT(texts[0], testing::AllOf(testing::HasSubstr("1001"), testing::HasSubstr("(SECOMException)")));
    EXPECT_THAT(texts[1], testing::HasSubstr("1003"));

    // The user's abort is no failure to tell them of.
    SExceptionDialog::ClearReports();
    EXPECT_EQ(target.OnCmdMsg(1002, CN_COMMAND, nullptr, nullptr), 1);
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}

TEST_F(SFailingHandlers, AFailingHandlerReachedThroughItsWindowOrAnUpdateLeavesNothingToItsCaller) {
    SFailingTarget target;
    ASSERT_EQ(target.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 1);
    EXPECT_NO_THROW(target.SendMessage(WM_COMMAND, MAKEWPARAM(1001, 0), 0));
    char16_t text[8] = u"";
    SSysCmdUI ui(text, 8);
    ui.m_nID = 1001;
    EXPECT_EQ(ui.DoUpdate(&target, 1), 1);
    EXPECT_EQ(ui.GetFlags(), SSysCmdUI::kEnabled) << "what the update set before it failed stays";
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 2u);
    EXPECT_THAT(ReportTexts()[1], testing::HasSubstr("(SECOMException: no selection)"));
    target.DestroyWindow();
}

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

TEST(SSysCmdUI, ATextIsNeverCutInsideASurrogatePair) {
    // "Zoom " and U+1D11E (two UTF-16 units): with room for 6 units the pair does not fit whole.
    char16_t buffer[7];
    SSysCmdUI ui(buffer, 7);
    ui.SetText("Zoom \xF0\x9D\x84\x9E");
    EXPECT_EQ(std::u16string(buffer), u"Zoom ");
    // With room for it, the pair is kept whole.
    char16_t wider[8];
    SSysCmdUI fits(wider, 8);
    fits.SetText("Zoom \xF0\x9D\x84\x9E!");
    EXPECT_EQ(std::u16string(wider), u"Zoom \U0001D11E");
    // A buffer of one unit takes only the terminator.
    char16_t single[1] = {u'x'};
    SSysCmdUI none(single, 1);
    none.SetText("\xF0\x9D\x84\x9E");
    EXPECT_EQ(single[0], u'\0');
}

TEST(SSysCmdUI, WithoutABufferNoTextIsWrittenAndNoTextFlagSet) {
    SSysCmdUI noBuffer(nullptr, 10);
    noBuffer.Enable(1);
    noBuffer.SetText("Generate HTML report");
    EXPECT_EQ(noBuffer.GetFlags(), 1u);
    // A size of 0 leaves even the first unit of the buffer alone.
    char16_t untouched[2] = {u'x', u'y'};
    SSysCmdUI noRoom(untouched, 0);
    noRoom.SetText("Zoom");
    EXPECT_EQ(noRoom.GetFlags(), 0u);
    EXPECT_EQ(untouched[0], u'x');
    EXPECT_EQ(untouched[1], u'y');
}
