#include <gtest/gtest.h>

#include "SRptFormatPageTestFixture.h"
#include "rpt/dialogs/SRptDlgPageBreakPage.h"

namespace {

using Page = SRptDlgPageBreakPage;
constexpr int32_t kPageBreakPage = 3;

class SRptDlgPageBreakPageTest : public SRptFormatPageTest {
protected:
    int32_t RunOK(std::function<void(SDlg&)> act) {
        return Run(kPageBreakPage, [&](SDlg& page) {
            act(page);
            return IDOK;
        });
    }
};

}  // namespace

TEST_F(SRptDlgPageBreakPageTest, EachBoxShowsItsFlowBitUnderItsLabel) {
    NewPara()->PutFlow(9);
    RunOK([](SDlg& page) {
        EXPECT_EQ(page.GetCaption(), "Line and Page Breaks");
        EXPECT_EQ(page.GetHelpContext(), 10004u);
        EXPECT_EQ(Shown(page, Page::IDC_WIDOW_ORPHAN), "&Widow/Orphan control");
        EXPECT_EQ(Shown(page, Page::IDC_KEEP_LINES), "&Keep lines together");
        EXPECT_EQ(Shown(page, Page::IDC_KEEP_NEXT), "Keep with ne&xt");
        EXPECT_EQ(Shown(page, Page::IDC_PAGE_BREAK_BEFORE), "&Page break before");
        EXPECT_EQ(Shown(page, Page::IDC_PREVIEW), "AaBbYyZz");
        EXPECT_EQ(Check(page, Page::IDC_WIDOW_ORPHAN), BST_CHECKED);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_LINES), BST_CHECKED);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_NEXT), BST_UNCHECKED);
        EXPECT_EQ(Check(page, Page::IDC_PAGE_BREAK_BEFORE), BST_UNCHECKED);
    });
    EXPECT_EQ(paras[0]->GetFlow(), 9);
}

TEST_F(SRptDlgPageBreakPageTest, AFlagTheParagraphsDisagreeOnIsUndecidedAndKeptUnlessClicked) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    first->PutFlow(1);
    second->PutFlow(3);
    RunOK([](SDlg& page) {
        EXPECT_EQ(Check(page, Page::IDC_KEEP_LINES), BST_CHECKED);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_NEXT), BST_INDETERMINATE);
        EXPECT_EQ(Check(page, Page::IDC_WIDOW_ORPHAN), BST_UNCHECKED);
    });
    EXPECT_EQ(first->GetFlow(), 1);
    EXPECT_EQ(second->GetFlow(), 3);

    // A click clears the undecided box, a second checks it, a third clears it again.
    RunOK([](SDlg& page) {
        Click(page, Page::IDC_KEEP_NEXT);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_NEXT), BST_UNCHECKED);
        Click(page, Page::IDC_KEEP_NEXT);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_NEXT), BST_CHECKED);
        Click(page, Page::IDC_KEEP_NEXT);
        EXPECT_EQ(Check(page, Page::IDC_KEEP_NEXT), BST_UNCHECKED);
    });
    EXPECT_EQ(first->GetFlow(), 1);
    EXPECT_EQ(second->GetFlow(), 1);
}

TEST_F(SRptDlgPageBreakPageTest, ASetFlagGoesToEveryParagraphBesideTheirOthers) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    first->PutFlow(1);
    second->PutFlow(3);
    RunOK([](SDlg& page) { Set(page, Page::IDC_PAGE_BREAK_BEFORE, "1"); });
    EXPECT_EQ(first->GetFlow(), 1 | 4);
    EXPECT_EQ(second->GetFlow(), 3 | 4);
}

TEST_F(SRptDlgPageBreakPageTest, OnlyThePaginationFlagsAreWrittenBack) {
    ISRptPara* para = NewPara();
    para->PutFlow(16);
    RunOK([](SDlg&) {});
    EXPECT_EQ(para->GetFlow(), 0);
}
