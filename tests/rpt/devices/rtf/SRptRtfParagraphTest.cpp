// The RTF device's paragraph and character properties: the control words, their order, their
// conditions and the conversion of model lengths to twips.
#include <gtest/gtest.h>

#include <string>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "varod9/ISRptText.h"

namespace {

const std::string kParaStart = "\r\n\\pard\\plain\r\n";

}  // namespace

class SRptRtfParagraph : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        text = AddItem<ISRptText>("TEXT");
        ASSERT_TRUE(text);
        para = ParaOf(text.Get(), 0);
        ASSERT_TRUE(para);
        SRptMakePlainPara(para.Get());
        MemoryDevice();
    }
    void TearDown() override {
        para.Clear();
        text.Clear();
        SRptRtfTest::TearDown();
    }
    // The property line that WriteParaFormat writes for the paragraph, alone.
    std::string Properties() {
        device->SetPrevBorder(0);
        const size_t start = Written().size();
        EXPECT_EQ(device->WriteParaFormat(para.Get()), S_OK);
        return Written().substr(start);
    }

    SComWrap<ISRptText> text;
    SComWrap<ISRptPara> para;
};

TEST_F(SRptRtfParagraph, LengthsBecomeTwipsRoundedByTheModelFactor) {
    EXPECT_EQ(SRptRtfDevice::ToTwips(21000), 11906);
    EXPECT_EQ(SRptRtfDevice::ToTwips(29700), 16838);
    EXPECT_EQ(SRptRtfDevice::ToTwips(0), 0);
    EXPECT_EQ(SRptRtfDevice::ParaToTwips(1000), 567);
    EXPECT_EQ(SRptRtfDevice::ParaToTwips(500), 283);
    EXPECT_EQ(SRptRtfDevice::ParaToTwips(100), 57);
}

TEST_F(SRptRtfParagraph, APlainParagraphWritesStyleAlignmentWidowControlAndZeroSpacings) {
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n");
}

TEST_F(SRptRtfParagraph, AlignmentsIndentsAndSpacingsWhenPositiveThenTheParagraphsOwnSpacing) {
    para->PutAlignment(4);
    para->PutFirst(1000);
    para->PutLeft(500);
    para->PutRight(200);
    para->PutSpBefore(100);
    para->PutSpAfter(300);
    para->PutSpType(2);
    para->PutSpBetween(150);
    EXPECT_EQ(Properties(), kParaStart +
                                "\\s0\\qc\\fi567\\li283\\ri113\\sb57\\sa170\\sl360\\slmult1\\nowidctlpar"
                                "\\sb57\\sa170\\li283\\ri113\r\n");
    para->PutSpType(0);
    para->PutAlignment(2);
    para->PutFirst(-300);  // a hanging first line writes no \fi
    para->PutRight(0);     // nor a zero indent
    para->PutSpAfter(-100);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\qr\\li283\\sb57\\nowidctlpar\\sb57\\sa-56\\li283\\ri0\r\n");
    para->PutAlignment(8);
    EXPECT_NE(Properties().find("\\s0\\qj\\li283"), std::string::npos);
}

TEST_F(SRptRtfParagraph, LineSpacingExactAndMultiple) {
    para->PutSpType(2);
    para->PutSpBetween(150);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\sl360\\slmult1\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n");
    para->PutSpType(1);
    para->PutSpBetween(100);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\sl-057\\slmult0\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n");
}

TEST_F(SRptRtfParagraph, FlowBitsAndTheTableMark) {
    para->PutFlow(7);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\keep\\keepn\\pagebb\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n");
    para->PutFlow(8);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\sb0\\sa0\\li0\\ri0\r\n");
    para->PutInTable(true);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\intbl\\sb0\\sa0\\li0\\ri0\r\n");
}

TEST_F(SRptRtfParagraph, BordersCarryTheirWidthAndTheirDistanceToTheText) {
    para->PutBorder(15);
    para->PutBorderWidth(50);
    para->PutSpTxtBorderTop(100);
    para->PutSpTxtBorderBottom(200);
    para->PutSpTxtBorderLeft(300);
    para->PutSpTxtBorderRight(400);
    EXPECT_EQ(Properties(), kParaStart +
                                "\\s0\\ql\\nowidctlpar\\brdrt\\brdrs\\brdrw28\\brsp57 \\brdrb\\brdrs\\brdrw28\\brsp113 "
                                "\\brdrl\\brdrs\\brdrw28\\brsp170 \\brdrr\\brdrs\\brdrw28\\brsp227 "
                                "\\sb0\\sa0\\li0\\ri0\r\n");
    // Only the sides asked for.
    para->PutBorder(2);
    EXPECT_EQ(Properties(),
              kParaStart + "\\s0\\ql\\nowidctlpar\\brdrt\\brdrs\\brdrw28\\brsp57 \\sb0\\sa0\\li0\\ri0\r\n");
    // Table cells draw their own borders.
    para->PutBorder(15);
    para->PutInTable(true);
    device->SetInTable(1);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\nowidctlpar\\intbl\\sb0\\sa0\\li0\\ri0\r\n");
}

TEST_F(SRptRtfParagraph, TwoBoxedParagraphsWithTheSameBordersAreKeptApart) {
    const std::string spacer = "\\sb0\\sa0\\f0\\fs10\r\n\\par\r\n\\pard\\plain\r\n";
    para->PutBorder(15);
    device->SetPrevBorder(0);
    device->WriteParaFormat(para.Get());
    size_t start = Written().size();
    device->WriteParaFormat(para.Get());
    EXPECT_EQ(Written().substr(start, kParaStart.size() + spacer.size()), kParaStart + spacer);

    // A page break between them resets the borders: no spacer.
    ASSERT_EQ(device->WriteNode(Node(nullptr)), S_OK);
    EXPECT_EQ(device->GetPrevBorder(), 0);
    start = Written().size();
    device->WriteParaFormat(para.Get());
    EXPECT_EQ(Written().find(spacer, start), std::string::npos);

    // So does an unboxed paragraph, and other borders give none either.
    para->PutBorder(0);
    device->WriteParaFormat(para.Get());
    EXPECT_EQ(device->GetPrevBorder(), 0);
    para->PutBorder(15);
    start = Written().size();
    device->WriteParaFormat(para.Get());
    para->PutBorder(8);
    device->WriteParaFormat(para.Get());
    EXPECT_EQ(Written().find(spacer, start), std::string::npos);
}

TEST_F(SRptRtfParagraph, TabStopsAfterThePropertiesSkippingThoseAtZero) {
    const RPTTABPOS tabs[] = {{0, RPT_TABPOS_ALIGN_LEFT}, {2000, 0}, {5000, RPT_TABPOS_ALIGN_RIGHT}};
    ASSERT_EQ(para->SetTabs(3, tabs), S_OK);
    EXPECT_EQ(Properties(), kParaStart + "\\s0\\ql\\nowidctlpar\\sb0\\sa0\\li0\\ri0\\tx1134\\tqr\\tx2835\r\n");
}

TEST_F(SRptRtfParagraph, CharacterPropertiesStyleFontAndSize) {
    para->PutFontStyle(5);
    para->PutFontHeight(0);  // the default Text size, 10 points
    para->PutFontName(SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT));
    ASSERT_EQ(device->WriteCharFormat(para.Get()), S_OK);
    EXPECT_EQ(Written(), "\\b\\ul\\f0\\fs20\r\n");

    // A face not in the table is font 0; all four styles in their order.
    para->PutFontStyle(15);
    para->PutFontHeight(12);
    para->PutFontName("Nowhere Sans");
    const size_t start = Written().size();
    device->WriteCharFormat(para.Get());
    EXPECT_EQ(Written().substr(start), "\\b\\i\\strike\\ul\\f0\\fs24\r\n");
}

TEST_F(SRptRtfParagraph, TheCodesOfTheParagraphTextProtocol) {
    EXPECT_EQ(device->ParaText(para.Get(), RPTPARATEXT_PARA_END), S_OK);
    EXPECT_EQ(device->ParaText(para.Get(), RPTPARATEXT_PLAIN), S_OK);
    for (uint32_t silent : {3u, 5u, 7u, 8u, 9u, 65u, 66u, 68u}) EXPECT_EQ(device->ParaText(para.Get(), silent), S_OK);
    EXPECT_EQ(Written(), "\r\n\\par\\plain ");
}
