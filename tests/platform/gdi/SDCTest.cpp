#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/SUtf8.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SFontOld.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SImageBackEnd.h"
#include "platform/gdi/SScreenDC.h"
#include "rpt/module/SRptStartup.h"
#include "support/STestFontEngineScope.h"

namespace {

SFontOldPtr MakeFont(int32_t height) {
    LOGFONTA font;
    font.lfHeight = height;
    font.SetFaceName("Arial");
    return SFontOldPtr(SFontOld::CreateFontA(font));
}

POINT ToDevice(const SDC& dc, int32_t x, int32_t y) {
    POINT point{x, y};
    dc.LPtoDP(&point);
    return point;
}

POINT ToLogical(const SDC& dc, int32_t x, int32_t y) {
    POINT point{x, y};
    dc.DPtoLP(&point);
    return point;
}

}  // namespace

TEST(SScreenDC, IsTheWholeScreenAt96Dpi) {
    SScreenDC* screen = SRptStartup::GetScreenDC();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(screen->GetDeviceCaps(HORZRES), 1920);
    EXPECT_EQ(screen->GetDeviceCaps(VERTRES), 1440);
    EXPECT_EQ(screen->GetDeviceCaps(HORZSIZE), 508);
    EXPECT_EQ(screen->GetDeviceCaps(VERTSIZE), 381);
    EXPECT_EQ(screen->GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(screen->GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(screen->GetDeviceCaps(PHYSICALWIDTH), 0);  // not a printer
    EXPECT_EQ(screen->GetDeviceCaps(PHYSICALOFFSETY), 0);
    EXPECT_EQ(screen->GetDeviceCaps(9999), 0);
    EXPECT_EQ(screen->GetMapMode(), MM_TEXT);
    EXPECT_EQ(screen->GetCurrentFont(), static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

TEST(SDC, MetricModesFixTheExtentsFromTheResolution) {
    SWindowDC dc;
    EXPECT_EQ(dc.SetMapMode(MM_HIMETRIC), MM_TEXT);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{50800, 38100}));
    EXPECT_EQ(dc.GetViewportExt(), (SIZE{1920, -1440}));
    // y grows upwards: one inch right and one inch down is (96, 96) pixels.
    EXPECT_EQ(ToDevice(dc, 2540, -2540), (POINT{96, 96}));
    EXPECT_EQ(ToLogical(dc, 96, 96), (POINT{2540, -2540}));
    EXPECT_EQ(ToDevice(dc, 353, 0), (POINT{13, 0}));  // 13.34 rounds down
    // The logical resolution a font conversion computes from the extents.
    EXPECT_EQ(MulDiv(dc.GetDeviceCaps(LOGPIXELSY), dc.GetWindowExt().cy, dc.GetViewportExt().cy), -2540);
    // Extents cannot be changed in a fixed mode.
    EXPECT_EQ(dc.SetWindowExt(10, 10), (SIZE{50800, 38100}));
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{50800, 38100}));

    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{5080, 3810}));
    dc.SetMapMode(MM_LOENGLISH);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{2000, 1500}));
    dc.SetMapMode(MM_TWIPS);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{28800, 21600}));
    EXPECT_EQ(dc.SetMapMode(MM_TEXT), MM_TWIPS);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{1, 1}));
    EXPECT_EQ(dc.GetViewportExt(), (SIZE{1, 1}));
    EXPECT_EQ(dc.SetMapMode(0), 0);
    EXPECT_EQ(dc.SetMapMode(9), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);

    // On a 600-dpi device the extents keep the page exact.
    SDC printer(std::make_unique<SImageBackEnd>(4961, 7016, 600, 600, DT_RASPRINTER));
    printer.SetMapMode(MM_HIMETRIC);
    EXPECT_EQ(ToDevice(printer, 2540, -2540), (POINT{600, 600}));
    EXPECT_EQ(ToDevice(printer, 21000, 0).x, 4961);
}

TEST(SDC, ScalableModesUseTheirExtentsAndOrigins) {
    SWindowDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_HIMETRIC);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{50800, 38100}));  // kept from the mode before
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(500, -250);
    dc.SetWindowOrg(100, 100);
    dc.SetViewportOrg(10, 20);
    EXPECT_EQ(ToDevice(dc, 300, 500), (POINT{110, -80}));
    EXPECT_EQ(ToLogical(dc, 110, -80), (POINT{300, 500}));
    EXPECT_EQ(dc.SetWindowExt(0, 5), (SIZE{}));  // refused
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{1000, 1000}));

    // Isotropic: the axis with the larger unit shrinks to keep units square.
    SWindowDC iso;
    iso.SetMapMode(MM_ISOTROPIC);
    iso.SetWindowExt(100, 100);
    iso.SetViewportExt(400, -200);
    EXPECT_EQ(iso.GetViewportExt(), (SIZE{200, -200}));

    // Coordinates far out of range clamp instead of overflowing.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(INT32_MIN, 0);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(INT32_MAX, 1);
    EXPECT_EQ(ToDevice(dc, INT32_MAX, 0).x, INT32_MAX);
}

TEST(SDC, SelectingFontsReturnsThePreviousOneAndRefusesOthers) {
    STestFontEngineScope engine;
    SWindowDC dc;
    const HFONT stock = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SFontOldPtr small = MakeFont(-13);
    SFontOldPtr large = MakeFont(-26);
    EXPECT_EQ(dc.SelectFont(small.get()), stock);
    EXPECT_EQ(dc.SelectObject(large->GetSafeHandle()), small->GetSafeHandle());
    EXPECT_EQ(dc.SelectFont(static_cast<HFONT>(nullptr)), nullptr);
    EXPECT_EQ(dc.SelectObject(reinterpret_cast<HGDIOBJ>(uintptr_t{0x7FFFFFF0})), nullptr);
    EXPECT_EQ(dc.GetCurrentFont(), large->GetSafeHandle());

    // The context keeps what it selected: deleting the handle changes nothing it measures, and
    // the handle can no longer be selected anywhere.
    TEXTMETRICA before;
    ASSERT_TRUE(dc.GetTextMetrics(&before));
    const HFONT gone = large->GetSafeHandle();
    large.reset();
    TEXTMETRICA after;
    ASSERT_TRUE(dc.GetTextMetrics(&after));
    EXPECT_EQ(after, before);
    SWindowDC other;
    EXPECT_EQ(other.SelectFont(gone), nullptr);
    EXPECT_EQ(dc.SelectFont(stock), gone);
    SString face;
    EXPECT_GT(dc.GetTextFace(&face), 0);  // the stock font has a face too
}

TEST(SDC, WithoutABackEndNothingIsMeasuredOrDrawn) {
    STestFontEngineScope engine;
    SDC dc;
    TEXTMETRICA tm;
    SIZE size;
    SString face;
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 0);
    EXPECT_FALSE(dc.GetTextMetrics(&tm));
    EXPECT_FALSE(dc.GetTextExtentPoint32("abc", &size));
    EXPECT_EQ(dc.GetTextFace(&face), 0);
    EXPECT_FALSE(dc.TextOut(0, 0, "abc"));
    EXPECT_FALSE(dc.FillSolidRect({0, 0, 1, 1}, 0));
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    EXPECT_FALSE(dc.GetTextMetrics(nullptr));

    ASSERT_TRUE(dc.Attach(std::make_unique<SImageBackEnd>(20, 20, 96, 96)));
    EXPECT_FALSE(dc.Attach(std::make_unique<SImageBackEnd>(20, 20, 96, 96)));
    EXPECT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_TRUE(dc.FillSolidRect({2, 2, 4, 4}, RGB(1, 2, 3)));
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(4, 4), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(20, 0), CLR_INVALID);
    EXPECT_NE(dc.Detach(), nullptr);
    EXPECT_FALSE(dc.GetTextMetrics(&tm));

    // A surface too large to make refuses drawing but still measures.
    SDC huge(std::make_unique<SImageBackEnd>(100000, 100000, 600, 600));
    EXPECT_EQ(huge.GetDeviceCaps(HORZRES), 100000);
    EXPECT_FALSE(huge.FillSolidRect({0, 0, 10, 10}, 0));
    EXPECT_FALSE(huge.TextOut(0, 0, "abc"));
    EXPECT_TRUE(huge.GetTextMetrics(&tm));
}

TEST(SDC, ExtentsOfEachPartOfATextAreThoseOfThePartMeasuredAlone) {
    // The installed faces, whose characters differ in width, on a context in hundredths of a
    // millimetre, where each extent is rounded from the device's.
    SDC dc(std::make_unique<SImageBackEnd>(10, 10, 600, 600, DT_RASPRINTER));
    dc.SetMapMode(MM_HIMETRIC);
    SFontOldPtr font = MakeFont(-50);
    dc.SelectFont(font.get());
    // Longer than the runs it is measured in, with characters of two, three and four bytes and
    // an ill-formed byte.
    std::string text;
    for (int32_t i = 0; text.size() < 300; ++i)
        text += i % 3 ? "Wide and narrow iiii MMMM " : "Übung ελληνικά 漢字 \xF0\x9F\x98\x80 \xFF ";
    std::vector<std::string_view> parts;
    for (size_t pos = 0; pos < text.size();) {
        pos += SUtf8::CharLength(text, pos);
        parts.push_back(std::string_view(text).substr(0, pos));
    }
    int32_t fit = -1;
    std::vector<int32_t> extents;
    ASSERT_TRUE(dc.GetTextExtentExPoint(text, INT32_MAX, &fit, &extents));
    ASSERT_EQ(fit, static_cast<int32_t>(parts.size()));
    ASSERT_EQ(extents.size(), parts.size());
    for (size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(extents[i], dc.GetTextExtent(parts[i]).cx) << i;

    // Only the characters that end within the extent asked for.
    const int32_t limit = extents[99];
    ASSERT_TRUE(dc.GetTextExtentExPoint(text, limit, &fit, &extents));
    ASSERT_GE(fit, 100);
    EXPECT_EQ(static_cast<size_t>(fit), extents.size());
    EXPECT_LE(extents.back(), limit);
    EXPECT_GT(dc.GetTextExtent(parts[static_cast<size_t>(fit)]).cx, limit);
    ASSERT_TRUE(dc.GetTextExtentExPoint(text, -1, &fit, &extents));
    EXPECT_EQ(fit, 0);
    EXPECT_TRUE(extents.empty());

    SDC none;
    EXPECT_FALSE(none.GetTextExtentExPoint(text, INT32_MAX, &fit, &extents));
}

TEST(SDC, SeveralLinesDrawnAsOneArePaintedAsTheLinesOneByOne) {
    // Lines two pixels wide, their sides half on a pixel, that meet, cross and lie on one
    // another, so that the pixels they share in part are painted over again.
    const POINT points[] = {{2, 3}, {17, 3}, {17, 3}, {17, 15}, {9, 1}, {9, 18}, {2, 12}, {15, 12}, {15, 12}, {2, 12}};
    const int32_t counts[] = {2, 2, 2, 2, 2};
    auto draw = [&](bool asOne) {
        auto dc = std::make_unique<SDC>(std::make_unique<SImageBackEnd>(20, 20, 96, 96));
        HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
        dc->SelectObject(pen);
        if (asOne) {
            EXPECT_TRUE(dc->PolyPolyline(points, counts, 5));
        } else {
            for (int32_t i = 0; i < 5; ++i) EXPECT_TRUE(dc->Polyline(points + 2 * i, 2));
        }
        dc->SelectObject(GetStockObject(BLACK_PEN));
        DeleteObject(pen);
        return dc;
    };
    const auto asOne = draw(true);
    const auto oneByOne = draw(false);
    int32_t painted = 0;
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            EXPECT_EQ(asOne->GetPixel(x, y), oneByOne->GetPixel(x, y)) << x << ", " << y;
            if (asOne->GetPixel(x, y) != RGB(255, 255, 255)) ++painted;
        }
    }
    EXPECT_GT(painted, 40);

    // Every line has two points at least.
    const int32_t short_[] = {2, 1};
    EXPECT_FALSE(asOne->PolyPolyline(points, short_, 2));
    EXPECT_FALSE(asOne->PolyPolyline(points, counts, 0));
    EXPECT_FALSE(asOne->PolyPolyline(nullptr, counts, 1));
}

namespace {

// A picture back end that counts the drawing contexts it makes.
class SCountingImage final : public SImageBackEnd {
public:
    using SImageBackEnd::SImageBackEnd;
    mutable int32_t made = 0;

protected:
    cairo_t* NewSurfaceContext() const override {
        ++made;
        return SImageBackEnd::NewSurfaceContext();
    }
};

}  // namespace

TEST(SDC, EveryDrawingOnASurfaceSharesOneContextEachWithItsOwnClip) {
    STestFontEngineScope engine;
    auto backEnd = std::make_unique<SCountingImage>(40, 40, 96, 96);
    SCountingImage* counting = backEnd.get();
    SDC dc(std::move(backEnd));
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(dc.TextOut(2, 2, "ab"));
        EXPECT_TRUE(dc.FillSolidRect({30, 30, 32, 32}, RGB(0, 0, 255)));
        EXPECT_TRUE(dc.Rectangle(20, 20, 25, 25));
    }
    EXPECT_EQ(counting->made, 1);
    // A clip narrows only the drawings made while it holds.
    dc.IntersectClipRect(0, 0, 10, 10);
    EXPECT_TRUE(dc.FillSolidRect({0, 0, 40, 40}, RGB(255, 0, 0)));
    dc.SelectClipRgn(nullptr);
    EXPECT_TRUE(dc.FillSolidRect({35, 35, 37, 37}, RGB(0, 255, 0)));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(31, 31), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(36, 36), RGB(0, 255, 0));
    EXPECT_EQ(counting->made, 1);
}
