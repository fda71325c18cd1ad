#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/ui/SAccelerators.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SDlg.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SPropertySheet.h"
#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "support/ScriptedInteractionTest.h"

namespace {

constexpr uint32_t kAutoCheck = 0x0003;
constexpr uint32_t kDropList = 0x0003;

const SDlgResourceControl kNameControls[] = {
    {1001, "EDIT", "", 0, 10, 10, 100, 12},
    {1002, "BUTTON", "&Bold", kAutoCheck, 10, 30, 100, 12},
    {1003, "COMBOBOX", "", kDropList, 10, 50, 100, 60},
    {1, "BUTTON", "OK", 0, 10, 80, 40, 14},
    {2, "BUTTON", "Cancel", 0, 60, 80, 40, 14},
};
const SDlgResourceControl kPageControls[] = {{1010, "EDIT", "", 0, 10, 10, 100, 12}};
const SMenuResourceItem kMenu[] = {
    {MF_POPUP | MF_END, 0, "&Report"},
    {0, 45001, "&Up"},
    {0, 0, ""},
    {MF_POPUP | MF_END, 0, "&More"},
    {MF_END, 45002, "&Down"},
};
const SAccelResourceItem kAccelerators[] = {{FVIRTKEY | FNOINVERT, 0x09, 6101}, {FVIRTKEY | FCONTROL, 'P', 105}};

// A module of the test's with its resources, current for the test.
class SDialogResourcesTest : public ScriptedInteractionTest {
protected:
    void SetUp() override {
        ScriptedInteractionTest::SetUp();
        Keep(SResourceBuilder::Dialog({"Name", 0x80000000, 0, 0, 200, 100, kNameControls, std::size(kNameControls)}), RT_DIALOG, 500);
        Keep(SResourceBuilder::Dialog({"Sheet", 0x80000000, 0, 0, 200, 100, kNameControls + 3, 2}), RT_DIALOG, 600);
        Keep(SResourceBuilder::Dialog({"Page", 0x40000000, 0, 0, 200, 100, kPageControls, 1}), RT_DIALOG, 601);
        Keep(SResourceBuilder::Menu(kMenu, std::size(kMenu)), RT_MENU, 700);
        Keep(SResourceBuilder::Accelerators(kAccelerators, std::size(kAccelerators)), RT_ACCELERATOR, 800);
        m_previous = SModuleState::SetCurrent(&module);
    }
    void TearDown() override {
        SModuleState::SetCurrent(m_previous);
        ScriptedInteractionTest::TearDown();
    }
    void Keep(std::vector<uint8_t> bytes, const SString& type, uint32_t id) {
        m_bytes.push_back(std::move(bytes));
        module.AddResource(type, id, m_bytes.back().data(), m_bytes.back().size());
    }

    SModuleState module;

private:
    std::vector<std::vector<uint8_t>> m_bytes;
    SModuleState* m_previous = nullptr;
};

class SNameDlg : public SDlg {
    S_DECLARE_MESSAGE_MAP()

public:
    SNameDlg() : SDlg(500) {}
    int32_t OnInitDialog() override {
        SDlg::OnInitDialog();
        AttachDlgItem(1003, m_fonts);
        for (const char* face : {"Arial", "Courier New", "Times New Roman"}) m_fonts.AddString(face);
        m_fonts.SetCurSel(0);
        return 1;
    }
    void DoDataExchange(SDataExchange* dx) override {
        DDX_Text(dx, 1001, name);
        DDX_Check(dx, 1002, bold);
        DDX_CBString(dx, 1003, face);
    }
    void OnNameChange() { ++changes; }

    SString name = "Untitled";
    int32_t bold = 0;
    SString face;
    int32_t changes = 0;

private:
    SComboBoxCtrl m_fonts;
};

S_BEGIN_MESSAGE_MAP(SNameDlg, SDlg)
    SMsgEntry::Control(EN_CHANGE, 1001, &SNameDlg::OnNameChange),
S_END_MESSAGE_MAP()

class SNumberPage : public SPropertyPage {
public:
    SNumberPage() : SPropertyPage(601) {}
    void DoDataExchange(SDataExchange* dx) override { DDX_Text(dx, 1010, number); }
    int32_t OnSetActive() override {
        ++activations;
        return 1;
    }
    void OnOK() override { ++oks; }
    int32_t number = 0;
    int32_t activations = 0;
    int32_t oks = 0;
};

// A page whose values are never complete.
class SRefusingPage : public SNumberPage {
public:
    int32_t OnKillActive() override {
        ++refusals;
        return 0;
    }
    int32_t refusals = 0;
};

}  // namespace

TEST_F(SDialogResourcesTest, AScriptedModalDialogReturnsTheValuesItWasGiven) {
    script.ExpectDialog(500, IDOK, {{1001, "Quarterly"}, {1002, "1"}, {1003, "Courier New"}});
    SNameDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, "Quarterly");
    EXPECT_EQ(dialog.bold, 1);
    EXPECT_EQ(dialog.face, "Courier New");
    EXPECT_EQ(dialog.changes, 2) << "the start value and the user's text";
    EXPECT_EQ(dialog.m_hWnd, 0u);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].caption, "Name");
}

TEST_F(SDialogResourcesTest, CancelLeavesTheMembersAsTheyWere) {
    script.ExpectDialog(500, IDCANCEL, {{1001, "Quarterly"}});
    SNameDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, "Untitled");
}

TEST_F(SDialogResourcesTest, APageThatRefusesToBeLeftStaysActive) {
    SPropertySheet sheet(600);
    SRefusingPage first;
    SNumberPage second;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    // The first page cannot be left, neither for the second page nor by OK; the user gives up.
    script.ExpectDialog(600, IDOK, {{1010, "12"}}, 1);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(first.refusals, 2);
    EXPECT_EQ(first.number, 0);
    EXPECT_EQ(second.activations, 0);
    EXPECT_EQ(first.oks, 0);
}

TEST_F(SDialogResourcesTest, APageThatMayBeLeftGivesWayAndOkReachesEveryPageMade) {
    SPropertySheet sheet(600);
    SNumberPage first, second;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    script.ExpectDialog(600, IDOK, {{1010, "12"}}, 1);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(second.number, 12);
    EXPECT_EQ(first.oks, 1);
    EXPECT_EQ(second.oks, 1);
}

TEST_F(SDialogResourcesTest, MenusAndAcceleratorsComeFromTheCurrentModuleState) {
    const size_t menusBefore = GetMenuCount();
    SMenu menu;
    ASSERT_EQ(menu.LoadMenu(700), 1);
    HMENU popup = menu.GetSubMenu(0);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(GetMenuItemID(popup, 0), 45001u);
    EXPECT_EQ(GetMenuItemID(popup, 1), 0u);
    EXPECT_EQ(GetMenuItemText(popup, 0), "&Up");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(popup, 2), 0), 45002u);

    HACCEL table = LoadAcceleratorsA(&module, 800);
    ASSERT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 2);
    ACCEL entries[2];
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 2), 2);
    EXPECT_EQ(entries[0].cmd, 6101);
    EXPECT_EQ(entries[0].key, 0x09);
    EXPECT_EQ(entries[0].fVirt, FVIRTKEY | FNOINVERT);
    EXPECT_EQ(entries[1].fVirt, FVIRTKEY | FCONTROL);
    DestroyAcceleratorTable(table);

    {
        // Another module current: the test's menu is not there.
        SModuleState other;
        SModuleStateGuard guard(&other);
        SMenu missing;
        EXPECT_EQ(missing.LoadMenu(700), 0);
        EXPECT_EQ(LoadAcceleratorsA(nullptr, 800), 0u);
    }
    menu.DestroyMenu();
    EXPECT_EQ(GetMenuCount(), menusBefore);
}

TEST_F(SDialogResourcesTest, APopupMenuIsAnsweredByTheScript) {
    script.ExpectMenu(45002);
    SMenu menu;
    menu.LoadMenu(700);
    SMenu popup;
    popup.Attach(menu.GetSubMenu(0));
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 45002);
    popup.Detach();
}
