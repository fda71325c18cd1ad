#include <gtest/gtest.h>

#include "SRptFormatPageTestFixture.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "rpt/dialogs/SRptDlgTabPage.h"
#include "varod9/ISRptTabulation.h"

namespace {

using Page = SRptDlgTabPage;
using SStops = std::vector<std::pair<int32_t, int32_t>>;
using STexts = std::vector<SString>;
constexpr int32_t kTabPage = 4;

class SRptDlgTabPageTest : public SRptFormatPageTest {
protected:
    int32_t RunOK(std::function<void(SDlg&)> act) {
        return Run(kTabPage, [&](SDlg& page) {
            act(page);
            return IDOK;
        });
    }
    // A paragraph's stops as (position, alignment), in its order.
    static SStops Stops(ISRptPara* para) {
        SStops stops;
        for (int32_t i = 0; i < para->GetNbTabs(); ++i) {
            SComWrap<ISRptTabulation> tab;
            EXPECT_EQ(para->GetTabPosAtIndex(i, &tab), S_OK);
            stops.emplace_back(tab->GetPosition(), tab->GetAlignment());
        }
        return stops;
    }
    static void SetStops(ISRptPara* para, const SStops& stops) {
        std::vector<RPTTABPOS> records;
        for (const auto& [position, alignment] : stops) {
            RPTTABPOS record;
            record.position = position;
            record.alignment = static_cast<int16_t>(alignment);
            records.push_back(record);
        }
        ASSERT_EQ(para->SetTabs(static_cast<int32_t>(records.size()), records.data()), S_OK);
    }
    // The stops the page lists.
    static STexts Listed(SDlg& page) {
        auto* list = dynamic_cast<SComboBoxCtrl*>(page.FindControl(Page::IDC_POSITIONS));
        STexts texts;
        for (int32_t i = 0; list && i < list->GetCount(); ++i) texts.push_back(list->GetLBText(i));
        return texts;
    }
    static bool Enabled(SDlg& page, int32_t id) { return page.FindControl(id)->IsWindowEnabled(); }
    // Types a position and clicks Set.
    static void SetStop(SDlg& page, const char* position) {
        Set(page, Page::IDC_POSITIONS, position);
        Click(page, Page::IDC_SET);
    }
    static void Spin(SDlg& page, int32_t direction) { dynamic_cast<Page&>(page).GetDefaultTabSizeSpin().Click(direction); }
    static SDlg& Sheet(SDlg& page) { return *static_cast<SDlg*>(page.GetParent()); }
};

}  // namespace

TEST_F(SRptDlgTabPageTest, TheListShowsTheSharedStopsAndClearAllThenSetLeavesOneStopInEach) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    SetStops(first, {{2000, 1}, {5000, 1}});
    SetStops(second, {{5000, 1}});
    RunOK([](SDlg& page) {
        EXPECT_EQ(page.GetCaption(), "Tabs");
        EXPECT_EQ(page.GetHelpContext(), 10005u);
        EXPECT_EQ(Shown(page, Page::IDC_CLEAR_ALL), "Clear &All");
        EXPECT_EQ(Listed(page), STexts{"5.00 cm"});
        EXPECT_EQ(Shown(page, Page::IDC_POSITIONS), "5.00 cm");
        EXPECT_EQ(Check(page, Page::IDC_LEFT), BST_CHECKED);
        EXPECT_TRUE(Enabled(page, Page::IDC_SET));
        EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), "1.27 cm");

        Click(page, Page::IDC_CLEAR_ALL);
        EXPECT_TRUE(Listed(page).empty());
        EXPECT_FALSE(Enabled(page, Page::IDC_SET));
        EXPECT_FALSE(Enabled(page, Page::IDC_CLEAR));
        SetStop(page, "3");
        EXPECT_EQ(Listed(page), STexts{"3.00 cm"});
    });
    EXPECT_EQ(Stops(first), (SStops{{3000, 1}}));
    EXPECT_EQ(Stops(second), (SStops{{3000, 1}}));
}

TEST_F(SRptDlgTabPageTest, ASetStopJoinsEachParagraphsOwnStops) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    SetStops(first, {{2000, 1}, {5000, 1}});
    SetStops(second, {{5000, 1}});
    RunOK([](SDlg& page) {
        Set(page, Page::IDC_CENTER, "1");
        SetStop(page, "4");
        EXPECT_EQ(Listed(page), (STexts{"4.00 cm", "5.00 cm"}));
        EXPECT_EQ(Shown(page, Page::IDC_POSITIONS), "4");
    });
    EXPECT_EQ(Stops(first), (SStops{{2000, 1}, {4000, 2}, {5000, 1}}));
    EXPECT_EQ(Stops(second), (SStops{{4000, 2}, {5000, 1}}));
}

TEST_F(SRptDlgTabPageTest, AStopAlignedDifferentlyIsShownAsTheFirstHasItAndClearedOnlyThere) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    SetStops(first, {{5000, 1}});
    SetStops(second, {{5000, 3}});
    RunOK([](SDlg& page) {
        EXPECT_EQ(Listed(page), STexts{"5.00 cm"});
        EXPECT_EQ(Check(page, Page::IDC_LEFT), BST_CHECKED);
        EXPECT_EQ(Check(page, Page::IDC_RIGHT), BST_UNCHECKED);
        Click(page, Page::IDC_CLEAR);
        EXPECT_TRUE(Listed(page).empty());
        EXPECT_FALSE(Enabled(page, Page::IDC_CLEAR));
    });
    EXPECT_EQ(Stops(first), SStops{});
    EXPECT_EQ(Stops(second), (SStops{{5000, 3}}));
}

TEST_F(SRptDlgTabPageTest, OverOneParagraphTheListBecomesItsStops) {
    ISRptPara* para = NewPara();
    SetStops(para, {{1000, 1}, {2000, 2}, {5000, 3}});
    RunOK([](SDlg& page) {
        EXPECT_EQ(Check(page, Page::IDC_LEFT), BST_CHECKED);
        // Setting a listed position again replaces its alignment and keeps one entry.
        SetStop(page, "5");
        EXPECT_EQ(Listed(page), (STexts{"1.00 cm", "2.00 cm", "5.00 cm"}));
        // Clearing the last entry selects the one before it and shows its alignment.
        Click(page, Page::IDC_CLEAR);
        EXPECT_EQ(Shown(page, Page::IDC_POSITIONS), "2.00 cm");
        EXPECT_EQ(Check(page, Page::IDC_CENTER), BST_CHECKED);
        // A position that is not listed clears nothing.
        Set(page, Page::IDC_POSITIONS, "7");
        Click(page, Page::IDC_CLEAR);
        EXPECT_EQ(Listed(page).size(), 2u);
    });
    EXPECT_EQ(Stops(para), (SStops{{1000, 1}, {2000, 2}}));

    RunOK([](SDlg& page) {
        Click(page, Page::IDC_CLEAR);
        Click(page, Page::IDC_CLEAR);
        EXPECT_TRUE(Listed(page).empty());
        EXPECT_FALSE(Enabled(page, Page::IDC_SET));
    });
    EXPECT_EQ(Stops(para), SStops{});
}

TEST_F(SRptDlgTabPageTest, ARefusedDefaultSpacingWritesNothingAndNamesItsLimits) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    SetStops(first, {{2000, 1}});
    SetStops(second, {{5000, 1}});
    RunOK([&](SDlg& page) {
        SetStop(page, "4");
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "35");
        Sheet(page).PressButton(IDOK);
        EXPECT_FALSE(Sheet(page).IsEnded());
        EXPECT_EQ(Stops(first), (SStops{{2000, 1}}));
        EXPECT_EQ(Stops(second), (SStops{{5000, 1}}));
        EXPECT_EQ(first->GetDefaultTabSize(), 1270);
        // Corrected, everything goes in.
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "3");
    });
    EXPECT_EQ(warnings, std::vector<SString>{"The measurement must be between 0.00 cm and 30.00 cm."});
    EXPECT_EQ(Stops(first), (SStops{{2000, 1}, {4000, 1}}));
    EXPECT_EQ(Stops(second), (SStops{{4000, 1}, {5000, 1}}));
    EXPECT_EQ(first->GetDefaultTabSize(), 3000);
    EXPECT_EQ(second->GetDefaultTabSize(), 3000);
}

TEST_F(SRptDlgTabPageTest, InInchesLengthsAreShownAndReadInThousandthsOfAnInch) {
    Intl()->SetMetricSystem(false);
    ISRptPara* para = NewPara();
    para->PutDefaultTabSize(1250);
    SetStops(para, {{2540, 1}});
    RunOK([](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), "0.49 in");
        EXPECT_EQ(Listed(page), STexts{"1.00 in"});
        SetStop(page, "2");
        EXPECT_EQ(Listed(page), (STexts{"1.00 in", "2.00 in"}));
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "12");
        Sheet(page).PressButton(IDOK);
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "0.49 in");
    });
    EXPECT_EQ(warnings, std::vector<SString>{"The measurement must be between 0.00 in and 11.81 in."});
    EXPECT_EQ(Stops(para), (SStops{{2540, 1}, {5080, 1}}));
    // The field was left as it was shown: the stored spacing keeps its precision.
    EXPECT_EQ(para->GetDefaultTabSize(), 1250);
}

TEST_F(SRptDlgTabPageTest, TheDefaultSpacingIsWrittenOnlyWhenTheUserChangedIt) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    first->PutDefaultTabSize(1250);
    second->PutDefaultTabSize(1000);
    RunOK([](SDlg& page) { EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), ""); });
    EXPECT_EQ(first->GetDefaultTabSize(), 1250);
    EXPECT_EQ(second->GetDefaultTabSize(), 1000);

    RunOK([](SDlg& page) { Set(page, Page::IDC_DEFAULT_TAB_SIZE, "1.25 cm"); });
    EXPECT_EQ(first->GetDefaultTabSize(), 1250);
    EXPECT_EQ(second->GetDefaultTabSize(), 1250);
}

TEST_F(SRptDlgTabPageTest, TheSpinStepsTheDefaultSpacingWithinItsRange) {
    ISRptPara* para = NewPara();
    para->PutDefaultTabSize(1250);
    RunOK([](SDlg& page) {
        Spin(page, 1);
        EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), "1.35 cm");
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "29.95");
        Spin(page, 1);
        EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), "30.00 cm");
        Set(page, Page::IDC_DEFAULT_TAB_SIZE, "0.1");
        Spin(page, -1);
        Spin(page, -1);
        EXPECT_EQ(Shown(page, Page::IDC_DEFAULT_TAB_SIZE), "0.00 cm");
    });
    EXPECT_EQ(para->GetDefaultTabSize(), 0);
}
