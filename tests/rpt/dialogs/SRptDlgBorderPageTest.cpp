#include <gtest/gtest.h>

#include "SRptFormatPageTestFixture.h"
#include "rpt/dialogs/SRptDlgBorderPage.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/STableDescription.h"

namespace {

using Page = SRptDlgBorderPage;

using SRptDlgBorderPageTest = SRptFormatPageTest;

TEST_F(SRptDlgBorderPageTest, WidthsShowAsTheNearestStepOfferedAndAChosenStepIsWritten) {
    ISRptPara* para = NewPara();
    para->PutBorderWidth(71);
    para->PutBoxWidth(141);
    RunOK(kBorderPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, Page::IDC_WIDTH), "2 1/4 pt");
        EXPECT_EQ(Shown(page, Page::IDC_BOX_WIDTH), "4 1/2 pt");
    });
    // Untouched, the stored widths stay as they were.
    EXPECT_EQ(para->GetBorderWidth(), 71);
    EXPECT_EQ(para->GetBoxWidth(), 141);

    para->PutBoxWidth(100);
    RunOK(kBorderPage, [](SDlg& page) {
        EXPECT_EQ(Selection(page, Page::IDC_BOX_WIDTH), -1);
        Set(page, Page::IDC_WIDTH, "1/4 pt");
    });
    EXPECT_EQ(para->GetBorderWidth(), 9);
    EXPECT_EQ(para->GetBoxWidth(), 100);
    RunOK(kBorderPage, [](SDlg& page) {
        Set(page, Page::IDC_WIDTH, "2 1/4 pt");
        Set(page, Page::IDC_BOX_WIDTH, "6 pt");
    });
    EXPECT_EQ(para->GetBorderWidth(), 80);
    EXPECT_EQ(para->GetBoxWidth(), 212);
}

TEST_F(SRptDlgBorderPageTest, SidesAndBoxOnWhichParagraphsDifferAreMixedAndKeptUnlessClicked) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    first->PutBorder(1 | 8);
    first->PutBox(true);
    second->PutBorder(8);
    second->PutBox(false);
    first->PutSpTxtBorderTop(106);
    RunOK(kBorderPage, [](SDlg& page) {
        EXPECT_EQ(Check(page, Page::IDC_LEFT), BST_INDETERMINATE);
        EXPECT_EQ(Check(page, Page::IDC_BOTTOM), BST_CHECKED);
        EXPECT_EQ(Check(page, Page::IDC_TOP), BST_UNCHECKED);
        EXPECT_EQ(Check(page, Page::IDC_BOX), BST_INDETERMINATE);
        EXPECT_EQ(Shown(page, Page::IDC_FROM_TOP), "");
        EXPECT_EQ(Shown(page, Page::IDC_FROM_LEFT), "4 pt");
        EXPECT_EQ(Shown(page, Page::IDC_FROM_BOTTOM), "1 pt");
        Click(page, Page::IDC_TOP);
        Click(page, Page::IDC_BOTTOM);
        // A mixed box clicked once is clear; the mixed state cannot come back. (A text's
        // paragraph is not boxed, so the box is offered to the user's hand only.)
        page.FindControl(Page::IDC_BOX)->EnableWindow(1);
        Click(page, Page::IDC_BOX);
        EXPECT_EQ(Check(page, Page::IDC_BOX), BST_UNCHECKED);
        Click(page, Page::IDC_BOX);
        Click(page, Page::IDC_BOX);
        EXPECT_EQ(Check(page, Page::IDC_BOX), BST_UNCHECKED);
    });
    EXPECT_EQ(first->GetBorder(), 1 | 2);
    EXPECT_EQ(second->GetBorder(), 2);
    EXPECT_FALSE(first->GetBox());
    EXPECT_FALSE(second->GetBox());
    EXPECT_EQ(first->GetSpTxtBorderTop(), 106);
    EXPECT_EQ(second->GetSpTxtBorderTop(), 35);
}

TEST_F(SRptDlgBorderPageTest, DistancesAreTypedAndSteppedInPoints) {
    ISRptPara* para = NewPara();
    RunOK(kBorderPage, [](SDlg& page) {
        Set(page, Page::IDC_FROM_LEFT, "12 pt");
        // About a point a step.
        dynamic_cast<Page&>(page).GetSpin(Page::IDC_FROM_TOP)->Click(+1);
        EXPECT_EQ(Shown(page, Page::IDC_FROM_TOP), "2 pt");
    });
    EXPECT_EQ(para->GetSpTxtBorderLeft(), 423);
    EXPECT_EQ(para->GetSpTxtBorderTop(), 71);
    EXPECT_EQ(para->GetSpTxtBorderRight(), 141);
}

TEST_F(SRptDlgBorderPageTest, ADistanceOutOfRangeIsRefusedBeforeAnythingIsWritten) {
    ISRptPara* first = NewPara();
    ISRptPara* second = NewPara();
    const int32_t ended = Run(kBorderPage, [](SDlg& page) {
        Click(page, Page::IDC_LEFT);
        Set(page, Page::IDC_WIDTH, "6 pt");
        Set(page, Page::IDC_FROM_LEFT, "2 pt");
        Set(page, Page::IDC_FROM_BOTTOM, "851 pt");
        return IDOK;
    });
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(warnings, std::vector<SString>{"The measurement must be between 0 pt and 850 pt."});
    for (ISRptPara* para : {first, second}) {
        EXPECT_EQ(para->GetBorder(), 0);
        EXPECT_EQ(para->GetBorderWidth(), 26);
        EXPECT_EQ(para->GetSpTxtBorderLeft(), 141);
        EXPECT_EQ(para->GetSpTxtBorderBottom(), 35);
    }
}

TEST_F(SRptDlgBorderPageTest, TheBoxIsOfferedOnlyWhereTheContainerSupportsIt) {
    // A list's title is never boxed; its other paragraphs may be.
    STableDescription description(RPT_ITEMKIND_LIST);
    description.AddRow();
    description.AddCell(1, "Id", true);
    SComWrap<ISRptItem> list = Make(CLSID_SRptList);
    ASSERT_EQ(list->ConstructWithItemDef(&description.Def()), S_OK);
    items.push_back(list);
    RunOK(kBorderPage, [](SDlg& page) {
        EXPECT_FALSE(page.FindControl(Page::IDC_BOX)->IsWindowEnabled());
        EXPECT_FALSE(page.FindControl(Page::IDC_BOX_WIDTH)->IsWindowEnabled());
        EXPECT_TRUE(page.FindControl(Page::IDC_WIDTH)->IsWindowEnabled());
    });
    int32_t ended = Run(kBorderPage, [](SDlg& page) {
        auto* sheet = dynamic_cast<SRptDlgMultiPages*>(page.GetParent());
        SListBoxCtrl& list = sheet->GetListBox();
        list.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(list.GetText(1).c_str()));
        EXPECT_TRUE(page.FindControl(Page::IDC_BOX)->IsWindowEnabled());
        EXPECT_TRUE(page.FindControl(Page::IDC_BOX_WIDTH)->IsWindowEnabled());
        return IDCANCEL;
    });
    EXPECT_EQ(ended, IDCANCEL);
}

}  // namespace
