#include <gtest/gtest.h>

#include "rpt/dialogs/SRptDlgParagraphPage.h"
#include "SRptFormatPageTestFixture.h"

namespace {

using Page = SRptDlgParagraphPage;

using SRptDlgParagraphPageTest = SRptFormatPageTest;

TEST_F(SRptDlgParagraphPageTest, LengthsShowInCentimetresOrInchesAndSpacingInPoints) {
    ISRptPara* para = NewPara();
    para->PutLeft(1250);
    para->PutSpBefore(423);
    RunOK(kParagraphPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_LEFT), "1.25 cm");
        EXPECT_EQ(Shown(page, Page::IDC_BEFORE), "12 pt");
        Set(page, Page::IDC_AFTER, "12 pt");
        Set(page, Page::IDC_RIGHT, "2.5");
    });
    EXPECT_EQ(para->GetSpAfter(), 423);
    EXPECT_EQ(para->GetRight(), 2500);
    EXPECT_EQ(para->GetLeft(), 1250);

    Intl()->SetMetricSystem(false);
    RunOK(kParagraphPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_LEFT), "0.49 in");
        EXPECT_EQ(Shown(page, Page::IDC_RIGHT), "0.98 in");
        // Thousandths of an inch, each converted by truncation: 1000 gives 2540.
        Set(page, Page::IDC_FIRST, "1 in");
    });
    EXPECT_EQ(para->GetFirst(), 2540);
    // What the user did not touch keeps its stored value, not the rounded one it was shown as.
    EXPECT_EQ(para->GetLeft(), 1250);
    EXPECT_EQ(para->GetRight(), 2500);
}

TEST_F(SRptDlgParagraphPageTest, LineSpacingShowsItsKindAndAChosenKindStartsFromItsOwnValue) {
    ISRptPara* para = NewPara();
    para->PutSpType(2);
    para->PutSpBetween(150);
    RunOK(kParagraphPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_SPACING), "1.5 lines");
        EXPECT_EQ(Shown(page, Page::IDC_BETWEEN), "1.50");
        Set(page, Page::IDC_SPACING, "Double");
        EXPECT_EQ(Shown(page, Page::IDC_BETWEEN), "2.00");
        Set(page, Page::IDC_SPACING, "Exactly");
        EXPECT_EQ(Shown(page, Page::IDC_BETWEEN), "12 pt");
    });
    EXPECT_EQ(para->GetSpType(), 1);
    EXPECT_EQ(para->GetSpBetween(), 423);

    para->PutSpType(2);
    para->PutSpBetween(120);
    RunOK(kParagraphPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_SPACING), "Multiple");
        EXPECT_EQ(Shown(page, Page::IDC_BETWEEN), "1.20");
        Set(page, Page::IDC_SPACING, "Single");
        // A typed multiple is no longer "Single".
        Set(page, Page::IDC_BETWEEN, "1.3");
        EXPECT_EQ(Shown(page, Page::IDC_SPACING), "Multiple");
    });
    EXPECT_EQ(para->GetSpType(), 2);
    EXPECT_EQ(para->GetSpBetween(), 130);
}

TEST_F(SRptDlgParagraphPageTest, TheArrowsStepTheValueInTheUnitShown) {
    ISRptPara* para = NewPara();
    para->PutSpBefore(423);
    para->PutLeft(1250);
    RunOK(kParagraphPage, [](SDlg& page) {
        auto& paragraph = dynamic_cast<Page&>(page);
        // About 6 pt a step for spacing, a millimetre for an indent.
        paragraph.GetSpin(Page::IDC_BEFORE)->Click(+1);
        EXPECT_EQ(Shown(page, Page::IDC_BEFORE), "18 pt");
        paragraph.GetSpin(Page::IDC_LEFT)->Click(-1);
        EXPECT_EQ(Shown(page, Page::IDC_LEFT), "1.15 cm");
        // The spacing stops at its lower limit.
        Set(page, Page::IDC_AFTER, "0 pt");
        paragraph.GetSpin(Page::IDC_AFTER)->Click(-1);
        EXPECT_EQ(Shown(page, Page::IDC_AFTER), "0 pt");
    });
    EXPECT_EQ(para->GetSpBefore(), 635);
    EXPECT_EQ(para->GetLeft(), 1150);
}

TEST_F(SRptDlgParagraphPageTest, ValuesOnWhichTwoParagraphsDifferAreEmptyAndLeftAlone) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    first->PutRight(500);
    second->PutRight(700);
    second->PutSpType(1);
    second->PutSpBetween(423);
    first->PutAlignment(4);
    second->PutAlignment(4);
    RunOK(kParagraphPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_RIGHT), "");
        EXPECT_EQ(Shown(page, Page::IDC_LEFT), "0.00 cm");
        EXPECT_EQ(Shown(page, Page::IDC_SPACING), "");
        EXPECT_EQ(Selection(page, Page::IDC_SPACING), -1);
        EXPECT_EQ(Shown(page, Page::IDC_BETWEEN), "");
        EXPECT_EQ(Shown(page, Page::IDC_ALIGNMENT), "Center");
        Set(page, Page::IDC_LEFT, "1");
    });
    for (ISRptPara* para : {first, second}) EXPECT_EQ(para->GetLeft(), 1000);
    EXPECT_EQ(first->GetRight(), 500);
    EXPECT_EQ(second->GetRight(), 700);
    EXPECT_EQ(first->GetSpType(), 2);
    EXPECT_EQ(first->GetSpBetween(), 100);
    EXPECT_EQ(second->GetSpType(), 1);
    EXPECT_EQ(second->GetSpBetween(), 423);
}

TEST_F(SRptDlgParagraphPageTest, AnAlignmentWithoutChoiceIsKeptUntilOneIsPicked) {
    ISRptPara* para = NewPara();
    para->PutAlignment(3);
    RunOK(kParagraphPage, [](SDlg& page) { EXPECT_EQ(Selection(page, Page::IDC_ALIGNMENT), -1); });
    EXPECT_EQ(para->GetAlignment(), 3);
    RunOK(kParagraphPage, [](SDlg& page) { Set(page, Page::IDC_ALIGNMENT, "Justified"); });
    EXPECT_EQ(para->GetAlignment(), 8);
}

// A value outside its limits is refused with its warning; the sheet stays open (and is then
// cancelled) and no paragraph keeps any of the page's values, even those checked before it.
struct SRefusal {
    bool metric;
    int32_t edit;
    const char* kind;  // a line spacing kind to choose first, or null
    const char* value;
    const char* warning;
};

class SRptDlgParagraphPageRefusalTest : public SRptDlgParagraphPageTest, public testing::WithParamInterface<SRefusal> {};

TEST_P(SRptDlgParagraphPageRefusalTest, RefusesWithTheLimitsAndWritesNothing) {
    const SRefusal& refusal = GetParam();
    Intl()->SetMetricSystem(refusal.metric);
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    const int32_t ended = Run(kParagraphPage, [&](SDlg& page) {
        Set(page, Page::IDC_RIGHT, "1");
        Set(page, Page::IDC_ALIGNMENT, "Right");
        if (refusal.kind) Set(page, Page::IDC_SPACING, refusal.kind);
        Set(page, refusal.edit, refusal.value);
        return IDOK;
    });
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(warnings, std::vector<SString>{refusal.warning});
    for (ISRptPara* para : {first, second}) {
        EXPECT_EQ(para->GetRight(), 0);
        EXPECT_EQ(para->GetAlignment(), 1);
        EXPECT_EQ(para->GetSpType(), 2);
        EXPECT_EQ(para->GetSpBetween(), 100);
        EXPECT_EQ(para->GetLeft(), 0);
        EXPECT_EQ(para->GetFirst(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SRptDlgParagraphPageRefusalTest,
    testing::Values(
        SRefusal{true, Page::IDC_LEFT, nullptr, "31", "The measurement must be between -30.00 cm and 30.00 cm."},
        SRefusal{true, Page::IDC_FIRST, nullptr, "-1", "The measurement must be between 0.00 cm and 30.00 cm."},
        SRefusal{false, Page::IDC_LEFT, nullptr, "12 in", "The measurement must be between -11.81 in and 11.81 in."},
        SRefusal{true, Page::IDC_AFTER, nullptr, "851 pt", "The measurement must be between 0 pt and 850 pt."},
        SRefusal{true, Page::IDC_BETWEEN, "Exactly", "none", "The measurement must be between 1 pt and 850 pt."},
        SRefusal{true, Page::IDC_BETWEEN, "Multiple", "0.3", "The measurement must be between 0 li and 132 li."},
        SRefusal{true, Page::IDC_LEFT, nullptr, "-30.5", "The measurement must be between -30.00 cm and 30.00 cm."}));

}  // namespace
