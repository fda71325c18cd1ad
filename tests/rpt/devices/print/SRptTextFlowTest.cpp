// Breaking a paragraph into lines. The deterministic font engine makes every character of a
// 10-point face 7 pixels wide on a 96-dpi context in pixels (em 13, advance round(13 / 2)), so a
// line's positions are 7, 14, 21 ... and the numbers below follow from the rules alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/devices/print/SRptTextFlow.h"
#include "support/SRptParaTestFixture.h"
#include "support/STestFontEngineScope.h"

namespace {

constexpr int32_t kAdvance = 7;

struct SLine {
    std::string text;
    RECT frame;
    RECT textRect;
    int32_t spaces = -1;
    int32_t extra = -1;
    int32_t endKind = -1;
    std::vector<RPTTABSEGMENT> segments;
};

class SRptTextFlowFixture : public SRptParaTest {
protected:
    void SetUp() override {
        SRptParaTest::SetUp();
        para = MakePara();
        ASSERT_TRUE(para);
        para->PutFontName("Arial");
        para->PutFontHeight(10);
        para->PutFontStyle(0);
        para->PutAlignment(RPT_PARA_ALIGN_LEFT);
        for (HRESULT (ISRptPara::*put)(int16_t) noexcept :
             {&ISRptPara::PutLeft, &ISRptPara::PutRight, &ISRptPara::PutFirst, &ISRptPara::PutSpBefore,
              &ISRptPara::PutSpAfter, &ISRptPara::PutSpType, &ISRptPara::PutBorder, &ISRptPara::PutBorderWidth,
              &ISRptPara::PutSpTxtBorderTop, &ISRptPara::PutSpTxtBorderBottom})
            (para.Get()->*put)(0);
        para->PutBox(false);
        para->SetTabs(0, nullptr);
    }
    void TearDown() override {
        para.Clear();
        SRptParaTest::TearDown();
    }

    // Every line of the text at one width, consumed in order.
    std::vector<SLine> Lines(const char* text, int32_t width, int mode = 0) {
        return LinesOn(dc, text, width, mode);
    }
    std::vector<SLine> LinesOn(SDC& context, const char* text, int32_t width, int mode = 0) {
        SRptTextFlow flow(&context, text, para.Get(), mode);
        std::vector<SLine> lines;
        while (!flow.IsDone() && lines.size() < 100) lines.push_back(Next(flow, width));
        return lines;
    }
    static SLine Next(SRptTextFlow& flow, int32_t width) {
        SLine line;
        SString text;
        STable<RPTTABSEGMENT> segments;
        EXPECT_EQ(flow.GetLine(width, &text, &line.frame, &line.textRect, &line.spaces, &line.extra, &segments), S_OK);
        line.endKind = flow.GetEndKind();
        EXPECT_EQ(flow.NextLine(width, &text, &line.frame, &line.textRect, &line.spaces, &line.extra, nullptr), S_OK);
        line.text = text.str();
        for (int32_t i = 0; i < segments.GetCount(); ++i) line.segments.push_back(segments[i]);
        return line;
    }
    static std::vector<std::string> Texts(const std::vector<SLine>& lines) {
        std::vector<std::string> texts;
        for (const SLine& line : lines) texts.push_back(line.text);
        return texts;
    }
    void Stops(std::initializer_list<RPTTABPOS> stops) {
        const std::vector<RPTTABPOS> table(stops);
        ASSERT_EQ(para->SetTabs(static_cast<int32_t>(table.size()), table.data()), S_OK);
    }

    SDC dc{std::make_unique<SImageBackEnd>(400, 100, 96, 96)};
    SComWrap<ISRptPara> para;
};

class SRptTextFlowTest : public SRptTextFlowFixture {
protected:
    STestFontEngineScope fonts;
};

// The installed faces, measured by the real engine.
class SRptTextFlowRealFonts : public SRptTextFlowFixture {};

// The test engine's fonts, counting the characters they are given to measure.
class SCountingFont final : public SRealisedFont {
public:
    SCountingFont(std::shared_ptr<const SRealisedFont> font, std::shared_ptr<int64_t> measured)
        : m_font(std::move(font)), m_measured(std::move(measured)) {}
    const TEXTMETRICA& GetMetrics() const override { return m_font->GetMetrics(); }
    const SString& GetFaceName() const override { return m_font->GetFaceName(); }
    std::vector<int32_t> GetAdvances(std::string_view text) const override {
        std::vector<int32_t> advances = m_font->GetAdvances(text);
        *m_measured += static_cast<int64_t>(advances.size());
        return advances;
    }
    void Paint(cairo_t* cr, double x, double baseline, std::string_view text,
               const std::vector<int32_t>& advances) const override {
        m_font->Paint(cr, x, baseline, text, advances);
    }

private:
    std::shared_ptr<const SRealisedFont> m_font;
    std::shared_ptr<int64_t> m_measured;
};

class SCountingFontEngine final : public STestFontEngine {
public:
    std::shared_ptr<const SRealisedFont> Realise(const SFontRequest& request) override {
        std::shared_ptr<const SRealisedFont> font = STestFontEngine::Realise(request);
        return font ? std::make_shared<SCountingFont>(font, measured) : nullptr;
    }
    std::shared_ptr<int64_t> measured = std::make_shared<int64_t>(0);
};

class SRptTextFlowCost : public SRptTextFlowFixture {
protected:
    void SetUp() override {
        SRptTextFlowFixture::SetUp();
        m_previous = SFontEngine::SetCurrent(engine);
    }
    void TearDown() override {
        SFontEngine::SetCurrent(m_previous);
        SRptTextFlowFixture::TearDown();
    }

    std::shared_ptr<SCountingFontEngine> engine = std::make_shared<SCountingFontEngine>();

private:
    std::shared_ptr<SFontEngine> m_previous;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(SRptTextFlowTest, ACharacterEndingExactlyOnTheWidthGoesToTheNextLine) {
    // The fifth character's right edge is 35: on a width of 35 it does not fit.
    std::vector<SLine> lines = Lines("abcdefgh", 35);
    EXPECT_EQ(Texts(lines), (Strings{"abcd", "efgh"}));
    EXPECT_EQ(lines[0].textRect.right, 4 * kAdvance);
    EXPECT_EQ(lines[0].endKind, 0);
    EXPECT_EQ(lines[1].endKind, RPTFLOW_DONE);
    // One pixel more and it does.
    EXPECT_EQ(Texts(Lines("abcdefgh", 36)), (Strings{"abcde", "fgh"}));
    // A line always holds a character, however narrow.
    EXPECT_EQ(Texts(Lines("abc", 3)), (Strings{"a", "b", "c"}));
}

TEST_F(SRptTextFlowTest, WordWrapBreaksAfterTheBlankAndBreaksAWordLongerThanTheLine) {
    // "abc " ends at 28; "d" would end at 35 but "g" at 56 does not fit in 50.
    std::vector<SLine> lines = Lines("abc defgh", 50, RPTFLOW_WORDWRAP);
    EXPECT_EQ(Texts(lines), (Strings{"abc ", "defgh"}));
    EXPECT_EQ(lines[0].spaces, 1);
    EXPECT_EQ(lines[0].textRect.right, 4 * kAdvance);
    ASSERT_EQ(lines[0].segments.size(), 1u);
    EXPECT_EQ(lines[0].segments[0], (RPTTABSEGMENT{0, 7 * kAdvance, 4}));
    // Without word wrap the line is cut where the width ends.
    EXPECT_EQ(Texts(Lines("abc defgh", 50)), (Strings{"abc def", "gh"}));
    // A word with no blank before it is broken where the width ends, in either mode.
    EXPECT_EQ(Texts(Lines("abcdefghij", 30, RPTFLOW_WORDWRAP)), (Strings{"abcd", "efgh", "ij"}));
}

TEST_F(SRptTextFlowTest, BlanksAtTheEndOfAFullLineStayWithoutWidthAndAreCounted) {
    std::vector<SLine> lines = Lines("abcd   efg", 29);
    EXPECT_EQ(Texts(lines), (Strings{"abcd   ", "efg"}));
    EXPECT_EQ(lines[0].textRect.right, 4 * kAdvance);
    EXPECT_EQ(lines[0].spaces, 3);
    lines = Lines("abcd   efg", 29, RPTFLOW_WORDWRAP);
    EXPECT_EQ(Texts(lines), (Strings{"abcd   ", "efg"}));
}

TEST_F(SRptTextFlowTest, HardBreaksEndLinesAndCrCrLfIsOne) {
    std::vector<SLine> lines = Lines("ab\r\r\ncd", 200);
    EXPECT_EQ(Texts(lines), (Strings{"ab", "cd"}));
    EXPECT_EQ(lines[0].endKind, RPTFLOW_HARDBREAK);
    EXPECT_EQ(lines[1].endKind, RPTFLOW_DONE);
    // A text that ends with its line break ends with that line.
    lines = Lines("ab\r\n", 200);
    ASSERT_EQ(Texts(lines), (Strings{"ab"}));
    EXPECT_EQ(lines[0].endKind, RPTFLOW_DONE);
    // Two breaks in a row make an empty line; a full line after a break is of kind 2.
    lines = Lines("ab\n\ncdefgh", 35);
    EXPECT_EQ(Texts(lines), (Strings{"ab", "", "cdef", "gh"}));
    EXPECT_EQ(lines[1].endKind, RPTFLOW_HARDBREAK);
    EXPECT_EQ(lines[2].endKind, 2);
    EXPECT_EQ(lines[3].endKind, RPTFLOW_DONE);
}

TEST_F(SRptTextFlowTest, AnEmptyTextIsOneEmptyLastLine) {
    SRptTextFlow flow(&dc, "", para.Get(), 0);
    EXPECT_FALSE(flow.IsDone());
    const SLine line = Next(flow, 100);
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(line.endKind, RPTFLOW_DONE);
    EXPECT_EQ(line.textRect.left, 0);
    EXPECT_EQ(line.textRect.right, 0);
    EXPECT_EQ(line.spaces, 0);
    EXPECT_TRUE(flow.IsDone());
    // Reset stands before the first line again.
    EXPECT_EQ(flow.Reset(nullptr), S_OK);
    EXPECT_FALSE(flow.IsDone());
    EXPECT_EQ(flow.GetFlags(), RPTFLOW_START);
}

TEST_F(SRptTextFlowTest, ALineIsKeptUntilConsumedAndRecomputedForAnotherWidth) {
    SRptTextFlow flow(&dc, "abcdefgh", para.Get(), 0);
    SString text;
    RECT frame, rect;
    EXPECT_EQ(flow.GetLine(35, &text, &frame, &rect, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(text, "abcd");
    EXPECT_EQ(flow.GetLine(35, &text, &frame, &rect, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(text, "abcd");
    EXPECT_EQ(flow.GetLine(50, &text, &frame, &rect, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(text, "abcdefg");
    EXPECT_EQ(flow.GetLine(35, nullptr, &frame, &rect, nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(flow.GetLine(35, &text, nullptr, &rect, nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(flow.NextLine(35, &text, &frame, nullptr, nullptr, nullptr, nullptr), E_INVALIDARG);
    // A refused call consumes nothing.
    EXPECT_EQ(flow.NextLine(35, &text, &frame, &rect, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(text, "abcd");
}

TEST_F(SRptTextFlowTest, AlignmentsPlaceTheTextBetweenTheIndents) {
    para->PutLeft(5);
    para->PutRight(10);
    para->PutFirst(3);
    // Width 100 less the indents leaves 82: "abc" is 21 wide.
    para->PutAlignment(RPT_PARA_ALIGN_RIGHT);
    SLine line = Lines("abc", 100)[0];
    EXPECT_EQ(line.textRect.left, 100 - 10 - 21);
    EXPECT_EQ(line.textRect.right, 100 - 10);
    EXPECT_EQ(line.frame, (RECT{0, 0, 100, 0}));
    para->PutAlignment(RPT_PARA_ALIGN_CENTER);
    line = Lines("abc", 100)[0];
    EXPECT_EQ(line.textRect.left, (100 - 3 - 10 - 5 - 21) / 2 + 3 + 5);
    EXPECT_EQ(line.textRect.right, line.textRect.left + 21);
    // The first-line indent is the first line's only.
    para->PutAlignment(RPT_PARA_ALIGN_LEFT);
    std::vector<SLine> lines = Lines("abc\ndef", 100);
    EXPECT_EQ(lines[0].textRect.left, 8);
    EXPECT_EQ(lines[1].textRect.left, 5);
}

TEST_F(SRptTextFlowTest, JustifiedLinesGetTheRoomLeftExceptTheLastAndThoseEndedByABreak) {
    para->PutAlignment(RPT_PARA_ALIGN_JUSTIFY);
    std::vector<SLine> lines = Lines("abc defgh ij", 50, RPTFLOW_WORDWRAP);
    ASSERT_EQ(Texts(lines), (Strings{"abc ", "defgh ", "ij"}));
    EXPECT_EQ(lines[0].extra, 50 - 28);
    EXPECT_EQ(lines[0].textRect, (RECT{0, 0, 50, 0}));
    EXPECT_EQ(lines[1].extra, 50 - 42);
    EXPECT_EQ(lines[2].extra, 0);
    EXPECT_EQ(lines[2].textRect.right, 50);
    lines = Lines("ab\ncd", 50);
    EXPECT_EQ(lines[0].extra, 0);
    EXPECT_EQ(lines[1].extra, 0);
    // Other alignments never stretch.
    para->PutAlignment(RPT_PARA_ALIGN_LEFT);
    EXPECT_EQ(Lines("abc defgh ij", 50, RPTFLOW_WORDWRAP)[0].extra, 0);
}

TEST_F(SRptTextFlowTest, LeftRightAndCentredTabStopsPlaceTheirSegments) {
    // "a" ends at 7 where the tab stands; "bc" is 14 wide.
    Stops({RPTTABPOS{100, RPT_TABPOS_ALIGN_LEFT}});
    SLine line = Lines("a\tbc", 200)[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[0], (RPTTABSEGMENT{0, 7, 1}));
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{100, 114, 2}));
    EXPECT_EQ(line.textRect.right, 114);
    // Right: the segment ends on the stop.
    Stops({RPTTABPOS{100, RPT_TABPOS_ALIGN_RIGHT}});
    line = Lines("a\tbc", 200)[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{86, 100, 2}));
    EXPECT_EQ(line.textRect.right, 100);
    EXPECT_EQ(line.spaces, 0);
    // Centred: half the segment on each side of the stop.
    Stops({RPTTABPOS{100, RPT_TABPOS_ALIGN_CENTER}});
    line = Lines("a\tbc", 200)[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{93, 107, 2}));
}

TEST_F(SRptTextFlowTest, ARightStopCloserThanItsSegmentStillShiftsByOne) {
    // The tab stands at 28; the stop at 40 leaves 12 for a segment 42 wide.
    Stops({RPTTABPOS{40, RPT_TABPOS_ALIGN_RIGHT}});
    SLine line = Lines("abcd\tefghij", 200)[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{29, 71, 6}));
    EXPECT_EQ(line.textRect.right, 71);
}

TEST_F(SRptTextFlowTest, AStopBeyondTheLineCountsAsLyingAtItsEnd) {
    Stops({RPTTABPOS{500, RPT_TABPOS_ALIGN_RIGHT}});
    SLine line = Lines("a\tbc", 200)[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{186, 200, 2}));
    EXPECT_EQ(line.text, "a\tbc");
    // Spaces are counted after the last tab only.
    Stops({RPTTABPOS{50, RPT_TABPOS_ALIGN_LEFT}});
    line = Lines("a b\tc d e", 200)[0];
    EXPECT_EQ(line.spaces, 2);
}

TEST_F(SRptTextFlowTest, ALeftStopThatPushesTheTextPastTheWidthCutsTheLine) {
    // The stop at 80 on a width of 100: "bcd" would end at 101.
    Stops({RPTTABPOS{80, RPT_TABPOS_ALIGN_LEFT}});
    std::vector<SLine> lines = Lines("a\tbcdef", 100);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "a\tbc");
    EXPECT_EQ(lines[0].textRect.right, 94);
    ASSERT_EQ(lines[0].segments.size(), 2u);
    EXPECT_EQ(lines[0].segments[1].count, 2);
    EXPECT_EQ(lines[1].text, "def");
}

TEST_F(SRptTextFlowTest, EveryLineMovesTheTextOnEvenWithoutRoom) {
    // Indents wider than the line leave no room at all; a right stop still shifts by at least 1.
    para->PutLeft(300);
    Stops({RPTTABPOS{40, RPT_TABPOS_ALIGN_RIGHT}});
    const std::vector<SLine> lines = Lines("\tab", 100);
    std::string joined;
    for (const SLine& line : lines) {
        EXPECT_FALSE(line.text.empty());
        joined += line.text;
    }
    EXPECT_EQ(joined, "\tab");
    EXPECT_EQ(lines.size(), 3u);
}

TEST_F(SRptTextFlowTest, WordWrapBackToATabDropsTheTab) {
    Stops({RPTTABPOS{20, RPT_TABPOS_ALIGN_LEFT}});
    // "ab" ends at 14, the tab moves "cdefgh" to 20: "h" would end at 62 on a width of 60.
    std::vector<SLine> lines = Lines("ab\tcdefgh", 60, RPTFLOW_WORDWRAP);
    ASSERT_EQ(Texts(lines), (Strings{"ab", "cdefgh"}));
    ASSERT_EQ(lines[0].segments.size(), 1u);
    EXPECT_EQ(lines[0].segments[0], (RPTTABSEGMENT{0, 14, 2}));
    EXPECT_EQ(lines[0].textRect.right, 14);
}

TEST_F(SRptTextFlowTest, SpacingBordersAndBoxFrameTheFirstAndLastLines) {
    para->PutSpBefore(10);
    para->PutSpAfter(6);
    para->PutBorder(2 | 8);
    para->PutBorderWidth(3);
    para->PutSpTxtBorderTop(4);
    para->PutSpTxtBorderBottom(5);
    // Exact spacing of 14 between lines: 14 is also taken from the width, as are both borders,
    // so 55 leaves 35 and four characters.
    para->PutSpType(RPT_PARA_SPTYPE_EXACT);
    para->PutSpBetween(14);
    std::vector<SLine> lines = Lines("abcdefghijkl", 55);
    ASSERT_EQ(Texts(lines), (Strings{"abcd", "efgh", "ijkl"}));
    EXPECT_EQ(lines[0].frame, (RECT{0, 0, 55, 10 + 3 + 4 + 14}));
    EXPECT_EQ(lines[1].frame, (RECT{0, 0, 55, 14}));
    EXPECT_EQ(lines[2].frame, (RECT{0, 0, 55, 14 + 6 + 3 + 5}));

    // Exact spacing puts the baseline at 80 % of the distance: bottom = before + 11 + descent.
    TEXTMETRICA metrics;
    ASSERT_EQ(para->GetTextMetricsHimetric(&dc, &metrics), S_OK);
    EXPECT_EQ(lines[0].textRect.bottom, 17 + 11 + metrics.tmDescent);
    EXPECT_EQ(lines[0].textRect.top, lines[0].textRect.bottom - metrics.tmHeight);
    EXPECT_EQ(lines[1].textRect.bottom, 11 + metrics.tmDescent);

    // Multiple spacing: the line spans the distance.
    para->PutSpType(RPT_PARA_SPTYPE_MULTIPLE);
    para->PutSpBetween(100);
    const int32_t s = para->GetSpBetweenHimetric(&dc);
    const SLine first = Lines("ab", 1000)[0];
    EXPECT_EQ(first.textRect.top, 17);
    EXPECT_EQ(first.textRect.bottom, 17 + s);

    // A box takes the larger of its width and the border's, top and bottom.
    para->PutBorder(0);
    para->PutBox(true);
    para->PutBoxWidth(7);
    para->PutSpType(0);
    lines = Lines("ab", 1000);
    EXPECT_EQ(lines[0].frame.bottom, 10 + 7 + 4 + 6 + 7 + 5);
}

TEST_F(SRptTextFlowTest, ATabWithoutAStopOrAFlowWithoutAFormatIsAnError) {
    SRptTextFlow empty;
    SString text;
    RECT frame, rect;
    EXPECT_THROW(empty.GetLine(100, &text, &frame, &rect, nullptr, nullptr, nullptr), SECOMException);
    // A tab past the last stop takes the paragraph's default stops.
    para->PutDefaultTabSize(50);
    SLine line = Lines("a\tb\tc", 400)[0];
    ASSERT_EQ(line.segments.size(), 3u);
    EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{50, 57, 1}));
    EXPECT_EQ(line.segments[2], (RPTTABSEGMENT{100, 107, 1}));
}

TEST_F(SRptTextFlowTest, ResetStartsAFreshTextOnAnExistingFlow) {
    SRptTextFlow flow(&dc, "abcdefgh", para.Get(), 0);
    EXPECT_EQ(Next(flow, 35).text, "abcd");
    const SString fresh("xy");
    ASSERT_EQ(flow.Reset(&fresh), S_OK);
    EXPECT_EQ(flow.GetFlags(), RPTFLOW_START);
    EXPECT_EQ(Next(flow, 35).text, "xy");
    EXPECT_TRUE(flow.IsDone());
    const SString again("uvw");
    flow.Reset(&again);
    EXPECT_EQ(Next(flow, 35).text, "uvw");
}

// Lines of some hundreds of characters: a width of 7 n + 1 holds n characters, one of 7 n holds
// n - 1.
TEST_F(SRptTextFlowTest, AWordLongerThanManyLinesIsBrokenWhereEachLineIsFull) {
    std::string word;
    for (int i = 0; i < 700; ++i) word += static_cast<char>('a' + i % 26);
    for (int mode : {0, RPTFLOW_WORDWRAP}) {
        std::vector<SLine> lines = Lines(word.c_str(), 300 * kAdvance + 1, mode);
        ASSERT_EQ(Texts(lines), (Strings{word.substr(0, 300), word.substr(300, 300), word.substr(600)}));
        EXPECT_EQ(lines[0].textRect.right, 300 * kAdvance);
        EXPECT_EQ(lines[0].endKind, 0);
        EXPECT_EQ(lines[2].textRect.right, 100 * kAdvance);
        EXPECT_EQ(lines[2].endKind, RPTFLOW_DONE);
        // Exactly full: the last character's edge on the width sends it to the next line.
        lines = Lines(word.c_str(), 300 * kAdvance, mode);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].text, word.substr(0, 299));
        EXPECT_EQ(lines[1].text, word.substr(299, 299));
        EXPECT_EQ(lines[2].text, word.substr(598));
    }
}

TEST_F(SRptTextFlowTest, WordWrapInALongParagraphBreaksAfterTheLastBlankThatFits) {
    // Words of 9 letters and a blank: 30 words end at 2,093 (the 30th word's last letter at
    // 2,086); the 31st word does not fit in 2,101.
    std::string paragraph;
    for (int i = 0; i < 100; ++i) paragraph += "abcdefgh" + std::to_string(i % 10) + " ";
    const std::vector<SLine> lines = Lines(paragraph.c_str(), 300 * kAdvance + 1, RPTFLOW_WORDWRAP);
    ASSERT_EQ(lines.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].text, paragraph.substr(i * 300, 300));
        EXPECT_EQ(lines[i].spaces, 30);
        EXPECT_EQ(lines[i].textRect.right, 300 * kAdvance);
    }
    EXPECT_EQ(lines[3].text, paragraph.substr(900));
    EXPECT_EQ(lines[3].endKind, RPTFLOW_DONE);
    // One letter more a line and the blank no longer fits: it stays without width, and the next
    // line starts with the next word.
    const std::vector<SLine> wider = Lines(paragraph.c_str(), 299 * kAdvance + 1, RPTFLOW_WORDWRAP);
    ASSERT_GE(wider.size(), 2u);
    EXPECT_EQ(wider[0].text, paragraph.substr(0, 300));
    EXPECT_EQ(wider[0].textRect.right, 299 * kAdvance);
    EXPECT_EQ(wider[1].text.substr(0, 10), "abcdefgh0 ");
}

TEST_F(SRptTextFlowTest, ALongRunEndsAtItsTabOrLineBreakWhereverItFalls) {
    // Runs of about the length a line is measured in at first, one character less and more.
    Stops({RPTTABPOS{4000, RPT_TABPOS_ALIGN_LEFT}});
    for (int32_t count : {255, 256, 257, 511, 512, 513}) {
        const std::string run(static_cast<size_t>(count), 'x');
        SLine line = Lines((run + "\tyy").c_str(), 5000)[0];
        EXPECT_EQ(line.text, run + "\tyy") << count;
        ASSERT_EQ(line.segments.size(), 2u) << count;
        EXPECT_EQ(line.segments[0], (RPTTABSEGMENT{0, count * kAdvance, count})) << count;
        EXPECT_EQ(line.segments[1], (RPTTABSEGMENT{4000, 4014, 2})) << count;

        std::vector<SLine> lines = Lines((run + "\nyy").c_str(), 5000);
        ASSERT_EQ(Texts(lines), (Strings{run, "yy"})) << count;
        EXPECT_EQ(lines[0].endKind, RPTFLOW_HARDBREAK);
        EXPECT_EQ(lines[0].textRect.right, count * kAdvance);
    }
}

TEST_F(SRptTextFlowTest, ALineFullUpToItsTabOrLineBreakEndsThere) {
    // 300 characters fill the line to 2,100; the tab or break comes right after them.
    const std::string run(300, 'x');
    std::vector<SLine> lines = Lines((run + "\nab").c_str(), 300 * kAdvance + 1);
    ASSERT_EQ(Texts(lines), (Strings{run, "ab"}));
    EXPECT_EQ(lines[0].endKind, RPTFLOW_HARDBREAK);
    // One unit narrower: the last character goes on alone before the break.
    lines = Lines((run + "\nab").c_str(), 300 * kAdvance);
    ASSERT_EQ(Texts(lines), (Strings{run.substr(1), "x", "ab"}));
    EXPECT_EQ(lines[0].endKind, 0);
    EXPECT_EQ(lines[1].endKind, RPTFLOW_HARDBREAK);
    // A full line before a tab: word wrap goes back to the tab and drops it.
    Stops({RPTTABPOS{2200, RPT_TABPOS_ALIGN_LEFT}});
    lines = Lines((run + "\tab").c_str(), 300 * kAdvance + 1, RPTFLOW_WORDWRAP);
    ASSERT_EQ(Texts(lines), (Strings{run, "ab"}));
    ASSERT_EQ(lines[0].segments.size(), 1u);
    EXPECT_EQ(lines[0].segments[0], (RPTTABSEGMENT{0, 300 * kAdvance, 300}));
}

TEST_F(SRptTextFlowTest, MultibyteCharactersAreCutWholeAndCountAsOne) {
    // Two- and three-byte characters, each as wide as a letter.
    std::string paragraph;
    for (int i = 0; i < 700; ++i) paragraph += i % 3 == 0 ? "\xC3\xA9" : (i % 3 == 1 ? "\xE2\x82\xAC" : "a");
    const size_t lineBytes = 100 * (2 + 3 + 1);
    const std::vector<SLine> lines = Lines(paragraph.c_str(), 300 * kAdvance + 1, RPTFLOW_WORDWRAP);
    ASSERT_EQ(Texts(lines), (Strings{paragraph.substr(0, lineBytes), paragraph.substr(lineBytes, lineBytes),
                                     paragraph.substr(2 * lineBytes)}));
    EXPECT_EQ(lines[0].textRect.right, 300 * kAdvance);
    ASSERT_EQ(lines[0].segments.size(), 1u);
    EXPECT_EQ(lines[0].segments[0].count, 300);
    // A blank after a multibyte word: the break goes back to it.
    const std::vector<SLine> words =
        Lines("\xC3\xA9\xC3\xA9 \xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 30, RPTFLOW_WORDWRAP);
    EXPECT_EQ(Texts(words), (Strings{"\xC3\xA9\xC3\xA9 ", "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"}));
}

TEST_F(SRptTextFlowRealFonts, TheScreenAndThePrinterBreakAParagraphIntoAsManyLines) {
    // Both contexts measure in hundredths of a millimetre, the page's units: 120 mm of an
    // 11-point face hold about ten words a line.
    const char* text =
        "The quarterly figures show that sales of the northern region rose by a little more than "
        "four per cent, while the southern region kept its level of the previous year. Costs of "
        "transport and storage went down again, so that the margin of every product group but one "
        "improved; the exception is explained in the notes that follow the tables of this report.";
    para->PutFontName("Times New Roman");
    para->PutFontHeight(11);
    para->PutAlignment(RPT_PARA_ALIGN_JUSTIFY);
    SDC screen(std::make_unique<SImageBackEnd>(10, 10, 96, 96));
    SDC printer(std::make_unique<SImageBackEnd>(10, 10, 600, 600, DT_RASPRINTER));
    screen.SetMapMode(MM_HIMETRIC);
    printer.SetMapMode(MM_HIMETRIC);
    const std::vector<SLine> onScreen = LinesOn(screen, text, 12000, RPTFLOW_WORDWRAP);
    const std::vector<SLine> onPaper = LinesOn(printer, text, 12000, RPTFLOW_WORDWRAP);
    EXPECT_GE(onPaper.size(), 3u);
    EXPECT_EQ(onScreen.size(), onPaper.size()) << "screen: " << testing::PrintToString(Texts(onScreen))
                                               << "\nprinter: " << testing::PrintToString(Texts(onPaper));
}

TEST_F(SRptTextFlowCost, ALineMeasuresItsCharactersOnceNotEveryTextBeforeEachOfThem) {
    // 400 characters, 57 a line of 400 pixels: measuring what comes before each character again
    // would measure some 12,000 characters.
    std::string text;
    while (text.size() < 400) text += "abcdefg ";
    Stops({RPTTABPOS{100, RPT_TABPOS_ALIGN_LEFT}, RPTTABPOS{200, RPT_TABPOS_ALIGN_LEFT}});
    const std::string tabbed = "ab\tcd\t" + text;
    for (const std::string& paragraph : {text, tabbed}) {
        *engine->measured = 0;
        const std::vector<SLine> lines = Lines(paragraph.c_str(), 400, RPTFLOW_WORDWRAP);
        EXPECT_GE(lines.size(), 7u);
        EXPECT_LE(*engine->measured, static_cast<int64_t>(2 * paragraph.size()))
            << testing::PrintToString(Texts(lines));
    }
}

TEST_F(SRptTextFlowCost, ALongLineIsMeasuredAFewTimesAtMost) {
    // Lines of 3,000 characters of one word: a line measured again for every few characters it
    // grows by would measure some 20,000 characters a line.
    const std::string word(20000, 'x');
    *engine->measured = 0;
    const std::vector<SLine> lines = Lines(word.c_str(), 3000 * kAdvance + 1, RPTFLOW_WORDWRAP);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].text.size(), 3000u);
    EXPECT_LE(*engine->measured, static_cast<int64_t>(3 * word.size()));
}

TEST_F(SRptTextFlowRealFonts, EachLineOfALongParagraphEndsWhereItsOwnMeasureReachesTheWidth) {
    // Lines of some hundreds of characters of a face whose characters differ in width: each full
    // line is narrower than the width, and with its next character it would not be.
    std::string paragraph;
    while (paragraph.size() < 5000) paragraph += "WideMMMandNarrowiii,l1!";
    para->PutFontName("Arial");
    para->PutFontHeight(8);
    const int32_t width = 3000;
    const std::vector<SLine> lines = Lines(paragraph.c_str(), width);
    ASSERT_GE(lines.size(), 3u);
    SFontOldPtr font = para->GetFont(&dc);
    const HFONT previous = dc.SelectFont(font.get());
    size_t at = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& text = lines[i].text;
        ASSERT_EQ(paragraph.compare(at, text.size(), text), 0) << i;
        EXPECT_GT(text.size(), 256u) << i;
        EXPECT_EQ(lines[i].textRect.right, dc.GetTextExtent(text).cx) << i;
        EXPECT_LT(dc.GetTextExtent(text).cx, width) << i;
        EXPECT_GE(dc.GetTextExtent(paragraph.substr(at, text.size() + 1)).cx, width) << i;
        at += text.size();
    }
    EXPECT_EQ(at + lines.back().text.size(), paragraph.size());
    dc.SelectFont(previous);
}
