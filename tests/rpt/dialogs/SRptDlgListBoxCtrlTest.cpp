#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgListBoxCtrl.h"
#include "rpt/dialogs/SRptDlgListBoxOwner.h"
#include "rpt/dialogs/SRptDlgParagraphPage.h"

namespace {

// A dialog that holds the list box: it answers `allow` and counts what it is asked and told.
class STestOwner : public SWnd, public SRptDlgListBoxOwner {
public:
    int32_t OnItemsSelChanging() override {
        ++asked;
        return allow;
    }
    void OnItemsSelChanged() override { ++told; }

    int32_t allow = 1;
    int32_t asked = 0;
    int32_t told = 0;
};

class SRptDlgListBoxCtrlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Create("#32770", "Format", WS_POPUP, RECT{}, nullptr, 0));
        ASSERT_TRUE(list.Create(WS_CHILD | LBS_NOTIFY | LBS_EXTENDEDSEL, RECT{}, &owner, 1082));
        for (const char* name : {"Title", "Labels", "Items", "Extra"}) list.AddString(name);
    }
    void TearDown() override { owner.DestroyWindow(); }

    // A click on an entry (16 units an entry), with Ctrl held when asked.
    void Click(int32_t entry, bool control = false) {
        const LPARAM point = MAKELPARAM(4, static_cast<uint16_t>(entry * 16 + 4));
        list.SendMessage(WM_LBUTTONDOWN, control ? MK_CONTROL : 0, point);
        list.SendMessage(WM_LBUTTONUP, control ? MK_CONTROL : 0, point);
    }
    void Key(uint32_t key) { list.SendMessage(WM_KEYDOWN, key, 1); }

    STestOwner owner;
    SRptDlgListBoxCtrl list;
};

}  // namespace

TEST_F(SRptDlgListBoxCtrlTest, AClickHappensOnlyWhenTheOwnerLetsItAndIsFollowedOnRelease) {
    Click(1);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({1}));
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(owner.told, 1);
    EXPECT_EQ(list.GetSelChangeAllowed(), 0);

    // Refused: the press never reaches the list, and the release tells nobody.
    owner.allow = 0;
    Click(3);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({1}));
    EXPECT_EQ(owner.asked, 2);
    EXPECT_EQ(owner.told, 1);

    // Only the answer 1 lets it through.
    owner.allow = 2;
    Click(3);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({1}));
    EXPECT_EQ(owner.told, 1);
}

TEST_F(SRptDlgListBoxCtrlTest, AKeyThatMovesTheSelectionIsAskedAfterwardsAndUndoneWhenRefused) {
    Click(0);
    Click(2, true);
    ASSERT_EQ(list.GetSelItems(), std::vector<int32_t>({0, 2}));
    owner.asked = owner.told = 0;

    owner.allow = 0;
    Key(VK_DOWN);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({0, 2}));
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(owner.told, 0);

    owner.allow = 1;
    Key(VK_DOWN);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({3}));
    EXPECT_EQ(owner.asked, 2);
    EXPECT_EQ(owner.told, 1);

    // A key that leaves the same entries selected asks nothing.
    Key(VK_DOWN);
    Key('A');
    list.SendMessage(WM_CHAR, 'a', 1);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({3}));
    EXPECT_EQ(owner.asked, 2);
    EXPECT_EQ(owner.told, 1);
}

TEST_F(SRptDlgListBoxCtrlTest, AScriptedChoiceIsClickedEntryByEntry) {
    EXPECT_EQ(list.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>("Title\nItems")), 1);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({0, 2}));
    EXPECT_EQ(owner.asked, 2);
    EXPECT_EQ(owner.told, 2);

    owner.allow = 0;
    EXPECT_EQ(list.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>("Labels")), 1);
    EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>({0, 2}));
    EXPECT_EQ(list.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>("Missing")), 0);
}

TEST(SRptDlgParagraphPage, TheChoiceTextsAreLoadedWithTheLibrary) {
    const char* spacing[] = {"Single", "1.5 lines", "Double", "Exactly", "Multiple"};
    const char* alignment[] = {"Left", "Center", "Right", "Justified"};
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(SRptDlgParagraphPage::GetSpacingText(i), spacing[i]);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(SRptDlgParagraphPage::GetAlignmentText(i), alignment[i]);
    EXPECT_EQ(SRptDlgParagraphPage::GetSpacingText(5), "");
    EXPECT_EQ(SRptDlgParagraphPage::GetAlignmentText(-1), "");
}
