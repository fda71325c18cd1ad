#include <gtest/gtest.h>

#include "SRptFormatPageTestFixture.h"
#include "platform/ui/SFontPropertyPage.h"

namespace {

class SRptDlgFontPageTest : public SRptFormatPageTest {
protected:
    // Two paragraphs of the default font (Arial 10, regular).
    std::pair<ISRptPara*, ISRptPara*> Two() {
        ISRptPara* first = NewPara();
        ISRptPara* second = NewPara();
        return {first, second};
    }
};

TEST_F(SRptDlgFontPageTest, OneParagraphShowsItsFontAndTakesTheUsersChoice) {
    ISRptPara* para = NewPara();
    para->PutFontName("Times New Roman");
    para->PutFontHeight(12);
    para->PutFontStyle(2 | 4);
    RunOK(kFontPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, IDC_FONT_FACE), "Times New Roman");
        EXPECT_EQ(Shown(page, IDC_FONT_SIZE), "12");
        EXPECT_EQ(Shown(page, IDC_FONT_STYLE), "Italic");
        EXPECT_EQ(Check(page, IDC_FONT_UNDERLINE), BST_CHECKED);
        EXPECT_EQ(Check(page, IDC_FONT_STRIKEOUT), BST_UNCHECKED);
        Set(page, IDC_FONT_FACE, "Courier New");
        Set(page, IDC_FONT_SIZE, "14");
        Set(page, IDC_FONT_STYLE, "Bold");
        Set(page, IDC_FONT_STRIKEOUT, "1");
    });
    EXPECT_EQ(para->GetFontName(), "Courier New");
    EXPECT_EQ(para->GetFontHeight(), 14);
    EXPECT_EQ(para->GetFontStyle(), 1 | 4 | 8);
}

TEST_F(SRptDlgFontPageTest, FacesThatDifferShowNoFaceAndEachParagraphKeepsItsOwn) {
    auto [first, second] = Two();
    second->PutFontName("Times New Roman");
    RunOK(kFontPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, IDC_FONT_FACE), "");
        EXPECT_EQ(Selection(page, IDC_FONT_FACE), -1);
        EXPECT_EQ(Shown(page, IDC_FONT_SIZE), "10");
    });
    EXPECT_EQ(first->GetFontName(), "Arial");
    EXPECT_EQ(second->GetFontName(), "Times New Roman");
    EXPECT_EQ(first->GetFontHeight(), 10);
    EXPECT_EQ(second->GetFontHeight(), 10);
}

TEST_F(SRptDlgFontPageTest, StylesThatDifferAreKeptUnlessAStyleIsChosen) {
    auto [first, second] = Two();
    first->PutFontStyle(1);
    RunOK(kFontPage, [](SDlg& page) {
        EXPECT_EQ(Shown(page, IDC_FONT_STYLE), "");
        Set(page, IDC_FONT_SIZE, "12");
    });
    EXPECT_EQ(first->GetFontStyle(), 1);
    EXPECT_EQ(second->GetFontStyle(), 0);
    for (ISRptPara* para : {first, second}) EXPECT_EQ(para->GetFontHeight(), 12);

    RunOK(kFontPage, [](SDlg& page) { Set(page, IDC_FONT_STYLE, "Italic"); });
    EXPECT_EQ(first->GetFontStyle(), 2);
    EXPECT_EQ(second->GetFontStyle(), 2);
}

TEST_F(SRptDlgFontPageTest, AnUndecidedEffectIsLeftByOneClickAndCannotBeReturnedTo) {
    auto [first, second] = Two();
    first->PutFontStyle(8 | 4);
    second->PutFontStyle(4);
    RunOK(kFontPage, [](SDlg& page) {
        EXPECT_EQ(Check(page, IDC_FONT_STRIKEOUT), BST_INDETERMINATE);
        EXPECT_EQ(Check(page, IDC_FONT_UNDERLINE), BST_CHECKED);
        Click(page, IDC_FONT_STRIKEOUT);
        EXPECT_EQ(Check(page, IDC_FONT_STRIKEOUT), BST_UNCHECKED);
        Click(page, IDC_FONT_STRIKEOUT);
        EXPECT_EQ(Check(page, IDC_FONT_STRIKEOUT), BST_CHECKED);
        Click(page, IDC_FONT_STRIKEOUT);
        EXPECT_EQ(Check(page, IDC_FONT_STRIKEOUT), BST_UNCHECKED);
    });
    EXPECT_EQ(first->GetFontStyle(), 4);
    EXPECT_EQ(second->GetFontStyle(), 4);
}

TEST_F(SRptDlgFontPageTest, AWrittenStyleKeepsOnlyTheFourKnownFlags) {
    ISRptPara* para = NewPara();
    para->PutFontStyle(0x10 | 1);
    RunOK(kFontPage, [](SDlg&) {});
    EXPECT_EQ(para->GetFontStyle(), 0x10 | 1);
    RunOK(kFontPage, [](SDlg& page) { Set(page, IDC_FONT_UNDERLINE, "1"); });
    EXPECT_EQ(para->GetFontStyle(), 1 | 4);
}

}  // namespace
