#include <gtest/gtest.h>

#include "platform/gdi/SFontOld.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SImageBackEnd.h"
#include "platform/gdi/SWindowDC.h"
#include "support/STestFontEngineScope.h"

namespace {

SFontOldPtr MakeFont(const char* face, int32_t height, int32_t weight = FW_NORMAL, uint8_t italic = 0) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfCharSet = DEFAULT_CHARSET;
    font.SetFaceName(face);
    return SFontOldPtr(SFontOld::CreateFontA(font));
}

TEXTMETRICA MetricsOf(SDC& dc, const SFontOld& font) {
    TEXTMETRICA metrics;
    HFONT previous = dc.SelectFont(&font);
    EXPECT_TRUE(dc.GetTextMetrics(&metrics));
    dc.SelectFont(previous);
    return metrics;
}

int32_t WidthOf(SDC& dc, const SFontOld& font, const char* text) {
    HFONT previous = dc.SelectFont(&font);
    const int32_t width = dc.GetTextExtent(text).cx;
    dc.SelectFont(previous);
    return width;
}

// Pixels of the surface that are not white, and their bounding box.
struct SInk {
    int32_t count = 0;
    RECT box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

SInk InkOf(const SDC& dc) {
    SInk ink;
    for (int32_t y = 0; y < dc.GetDeviceCaps(VERTRES); ++y) {
        for (int32_t x = 0; x < dc.GetDeviceCaps(HORZRES); ++x) {
            if (dc.GetPixel(x, y) == RGB(255, 255, 255)) continue;
            ++ink.count;
            ink.box = {std::min(ink.box.left, x), std::min(ink.box.top, y), std::max(ink.box.right, x + 1),
                       std::max(ink.box.bottom, y + 1)};
        }
    }
    return ink;
}

}  // namespace

TEST(STestFontEngine, GivesTheDocumentedNumbers) {
    STestFontEngineScope engine;
    SWindowDC dc;
    SFontOldPtr arial = MakeFont("Arial", -13);
    const TEXTMETRICA tm = MetricsOf(dc, *arial);
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAscent, 13);
    EXPECT_EQ(tm.tmDescent, 3);
    EXPECT_EQ(tm.tmInternalLeading, 3);
    EXPECT_EQ(tm.tmExternalLeading, 1);
    EXPECT_EQ(tm.tmAveCharWidth, 7);
    EXPECT_EQ(tm.tmMaxCharWidth, 7);
    EXPECT_EQ(tm.tmWeight, 400);
    EXPECT_EQ(tm.tmItalic, 0);
    EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | TMPF_VECTOR | TMPF_TRUETYPE | TMPF_FIXED_PITCH);
    EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
    EXPECT_EQ(tm.tmDigitizedAspectY, 96);
    EXPECT_EQ(WidthOf(dc, *arial, "Hello"), 35);
    EXPECT_EQ(WidthOf(dc, *arial, "h\xC3\xA9llo w\xC3\xB6rld"), 77);  // characters, not bytes
    EXPECT_EQ(WidthOf(dc, *arial, "\xFF\xFE"), 14);                   // each ill-formed byte is one
    EXPECT_EQ(dc.SelectFont(arial.get()), static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(dc.GetTextExtent(""), (SIZE{0, 16}));

    SFontOldPtr bold = MakeFont("Arial", -13, FW_BOLD, 1);
    const TEXTMETRICA boldTm = MetricsOf(dc, *bold);
    EXPECT_EQ(boldTm.tmAveCharWidth, 8);
    EXPECT_EQ(boldTm.tmWeight, 700);
    EXPECT_EQ(boldTm.tmItalic, 0xFF);
    EXPECT_EQ(boldTm.tmHeight, 16);

    // A cell height of 16 asks for the same font as a character height of 13; 0 for 12 points.
    EXPECT_EQ(MetricsOf(dc, *MakeFont("Arial", 16)), tm);
    EXPECT_EQ(MetricsOf(dc, *MakeFont("Arial", 0)).tmHeight, 20);
    EXPECT_EQ(MetricsOf(dc, *MakeFont("Times New Roman", -13)).tmPitchAndFamily, FF_ROMAN | 0x07);
    EXPECT_EQ(MetricsOf(dc, *MakeFont("Courier New", -13)).tmPitchAndFamily, FF_MODERN | 0x06);
}

TEST(STestFontEngine, MetricsFollowTheMappingMode) {
    STestFontEngineScope engine;
    SWindowDC dc;
    // A paragraph's 10-point font in HIMETRIC: 353 units are 13.34 pixels, realised at 13.
    SFontOldPtr font = MakeFont("Arial", -353);
    dc.SetMapMode(MM_HIMETRIC);
    const TEXTMETRICA tm = MetricsOf(dc, *font);
    EXPECT_EQ(tm.tmAscent, 344);  // 13 px
    EXPECT_EQ(tm.tmDescent, 79);  // 3 px
    EXPECT_EQ(tm.tmHeight, 423);
    EXPECT_EQ(tm.tmExternalLeading, 26);
    EXPECT_EQ(tm.tmAveCharWidth, 185);
    EXPECT_EQ(WidthOf(dc, *font, "Hello"), 926);  // 35 px

    // The same handle on a 600-dpi device in pixels is a much larger font.
    SDC printer(std::make_unique<SImageBackEnd>(10, 10, 600, 600, DT_RASPRINTER));
    SFontOldPtr tenPoints = MakeFont("Arial", -83);
    EXPECT_EQ(MetricsOf(printer, *tenPoints).tmHeight, 104);
}

TEST(SFontEngine, DeviceContextsRealiseAgainWhenTheEngineChanges) {
    SWindowDC dc;
    SFontOldPtr arial = MakeFont("Arial", -13);
    dc.SelectFont(arial.get());
    TEXTMETRICA tm;
    {
        STestFontEngineScope engine;
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        EXPECT_EQ(tm.tmHeight, 16);
    }
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 15);  // the real engine's Liberation Sans
}

TEST(STestFontEngine, DrawsBoxesWhereTheTextIsPlaced) {
    STestFontEngineScope engine;
    SDC dc(std::make_unique<SImageBackEnd>(80, 40, 96, 96));
    SFontOldPtr font = MakeFont("Arial", -13);
    dc.SelectFont(font.get());
    dc.SetTextColor(RGB(255, 0, 0));
    ASSERT_TRUE(dc.TextOut(10, 5, "A B"));
    // Top-left alignment: baseline 5 + 13; boxes of 9 rows above it, 5 columns from x + 1.
    EXPECT_EQ(dc.GetPixel(11, 9), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(15, 17), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(25, 9), RGB(255, 0, 0));  // "B" after a blank
    SInk ink = InkOf(dc);
    EXPECT_EQ(ink.count, 2 * 5 * 9);
    EXPECT_EQ(ink.box, (RECT{11, 9, 30, 18}));

    // Right and baseline alignment, over an opaque blue cell.
    SDC second(std::make_unique<SImageBackEnd>(80, 40, 96, 96));
    second.SelectFont(font.get());
    second.SetTextAlign(TA_RIGHT | TA_BASELINE);
    second.SetBkColor(RGB(0, 0, 255));
    ASSERT_TRUE(second.TextOut(50, 30, "AB"));
    EXPECT_EQ(second.GetPixel(37, 29), RGB(0, 0, 0));
    EXPECT_EQ(second.GetPixel(36, 17), RGB(0, 0, 255));  // the cell: ascent above the baseline
    EXPECT_EQ(second.GetPixel(36, 32), RGB(0, 0, 255));  // descent below
    EXPECT_EQ(InkOf(second).box, (RECT{36, 17, 50, 33}));
    second.SetBkMode(TRANSPARENT);
    second.SetTextAlign(TA_LEFT | TA_TOP);
    ASSERT_TRUE(second.TextOut(0, 0, "A"));
    EXPECT_EQ(second.GetPixel(0, 0), RGB(255, 255, 255));
}

TEST(SCairoFontEngine, ArialResolvesToLiberationSansWithItsMetrics) {
    SWindowDC dc;
    // 10 points on a 96-dpi screen. Every number comes from the face's tables, which are the
    // same in every release of the metric-compatible Liberation 2 faces.
    SFontOldPtr arial = MakeFont("Arial", -13);
    dc.SelectFont(arial.get());
    SString face;
    EXPECT_GT(dc.GetTextFace(&face), 0);
    EXPECT_EQ(face, "Liberation Sans");
    TEXTMETRICA tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmAscent, 12);  // 1854 / 2048 em
    EXPECT_EQ(tm.tmDescent, 3);  // 434 / 2048 em
    EXPECT_EQ(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmExternalLeading, 0);
    EXPECT_EQ(tm.tmAveCharWidth, 6);   // 904 / 2048 em, the weighted average
    EXPECT_EQ(tm.tmMaxCharWidth, 17);  // 2740 / 2048 em
    EXPECT_EQ(tm.tmWeight, 400);
    EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | TMPF_VECTOR | TMPF_TRUETYPE | TMPF_FIXED_PITCH);
    EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
    EXPECT_EQ(dc.GetTextExtent("Hello"), (SIZE{29, 15}));  // 9 + 7 + 3 + 3 + 7

    SFontOldPtr bold = MakeFont("Arial", -13, FW_BOLD);
    EXPECT_EQ(MetricsOf(dc, *bold).tmWeight, 700);
    EXPECT_GT(WidthOf(dc, *bold, "Hello"), 29);
    SFontOldPtr thin = MakeFont("Arial", -13, FW_THIN);  // no thin face: the regular one
    EXPECT_EQ(MetricsOf(dc, *thin).tmWeight, 400);
    EXPECT_EQ(MetricsOf(dc, *MakeFont("Arial", -13, FW_NORMAL, 1)).tmItalic, 0xFF);

    // The printer's 10 points.
    SDC printer(std::make_unique<SImageBackEnd>(10, 10, 600, 600, DT_RASPRINTER));
    const TEXTMETRICA large = MetricsOf(printer, *MakeFont("Arial", -83));
    EXPECT_EQ(large.tmAscent, 75);
    EXPECT_EQ(large.tmDescent, 18);
}

TEST(SCairoFontEngine, OtherReportFacesResolveThroughFontconfig) {
    SWindowDC dc;
    SFontOldPtr times = MakeFont("Times New Roman", -13);
    dc.SelectFont(times.get());
    SString face;
    dc.GetTextFace(&face);
    EXPECT_EQ(face, "Liberation Serif");
    EXPECT_EQ(MetricsOf(dc, *times).tmPitchAndFamily & 0xF0, FF_ROMAN);

    SFontOldPtr courier = MakeFont("Courier New", -13);
    dc.SelectFont(courier.get());
    dc.GetTextFace(&face);
    EXPECT_EQ(face, "Liberation Mono");
    const TEXTMETRICA mono = MetricsOf(dc, *courier);
    EXPECT_EQ(mono.tmPitchAndFamily, FF_MODERN | TMPF_VECTOR | TMPF_TRUETYPE);
    EXPECT_EQ(WidthOf(dc, *courier, "iiii"), WidthOf(dc, *courier, "MMMM"));
    EXPECT_EQ(WidthOf(dc, *courier, "iiii"), 4 * mono.tmAveCharWidth);

    // A face nobody has still gives a font: the mapper substitutes its default.
    SFontOldPtr unknown = MakeFont("No Such Face Anywhere", -13);
    dc.SelectFont(unknown.get());
    EXPECT_GT(dc.GetTextFace(&face), 0);
    const TEXTMETRICA substitute = MetricsOf(dc, *unknown);
    EXPECT_GT(substitute.tmHeight, 10);
    EXPECT_GT(WidthOf(dc, *unknown, "Hello"), 0);
}

TEST(SCairoFontEngine, PaintsInsideTheMeasuredCell) {
    SDC dc(std::make_unique<SImageBackEnd>(80, 30, 96, 96));
    SFontOldPtr arial = MakeFont("Arial", -13, FW_NORMAL);
    dc.SelectFont(arial.get());
    dc.SetBkMode(TRANSPARENT);
    ASSERT_TRUE(dc.TextOut(10, 5, "Hello"));
    const SInk ink = InkOf(dc);
    EXPECT_GT(ink.count, 20);
    // Inside the cell: from x 10, 29 wide; from y 5, 15 high.
    EXPECT_GE(ink.box.left, 10);
    EXPECT_LE(ink.box.right, 10 + 29);
    EXPECT_GE(ink.box.top, 5);
    EXPECT_LE(ink.box.bottom, 5 + 15);

    // An underline runs the whole measured width, below the baseline (5 + 12).
    SDC underlined(std::make_unique<SImageBackEnd>(80, 30, 96, 96));
    LOGFONTA font;
    arial->GetLogFont(&font);
    font.lfUnderline = 1;
    SFontOldPtr withLine(SFontOld::CreateFontA(font));
    underlined.SelectFont(withLine.get());
    ASSERT_TRUE(underlined.TextOut(10, 5, "Hello"));
    const SInk lined = InkOf(underlined);
    EXPECT_EQ(lined.box.left, 10);
    EXPECT_EQ(lined.box.right, 10 + 29);
    EXPECT_GT(lined.box.bottom, 5 + 12);
}
