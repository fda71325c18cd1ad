#include <gtest/gtest.h>

#include "platform/gdi/SImagePixels.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptUserGraphicLayout.h"
#include "support/STestPictureLimit.h"

namespace {

// A recording whose device pixels are a whole 25 hundredths of a millimetre: no allowance to
// look at in these cases.
SSize PixelsOf(SSize drawing) { return SSize{drawing.cx / 25, drawing.cy / 25}; }

SRptUserGraphicLayout Layout(SSize drawing, SSize area, bool useZoom, int32_t onePageType, int32_t zoomPerct) {
    return SRptUserGraphicLayout(drawing, PixelsOf(drawing), area, useZoom, onePageType, zoomPerct);
}

// The room whose page images, 52 larger each way (the allowance of a drawing of 25 hundredths
// a pixel), are `pixels`, and not one hundredth less.
SSize RoomFor(SIZE pixels) {
    const SSize room = STestPictureLimit::RoomFor(pixels, 52);
    EXPECT_EQ(SRptGraphicBitmap::PixelsOf(SSize{room.cx + 52, room.cy + 52}), pixels);
    EXPECT_EQ(SRptGraphicBitmap::PixelsOf(SSize{room.cx + 51, room.cy + 51}), (SIZE{pixels.cx - 1, pixels.cy - 1}));
    return room;
}

}  // namespace

TEST(SRptUserGraphicLayout, OnePageAsAParagraphOrCentredOnItsPage) {
    const SSize area{19000, 25000};
    // One page as a paragraph, and centred on its page; any type but 2 is a paragraph.
    SRptUserGraphicLayout layout = Layout(SSize{10000, 5000}, area, false, 1, 100);
    ASSERT_EQ(layout.GetTileCount(), 1);
    EXPECT_TRUE(layout.IsParagraph());
    EXPECT_EQ(layout.GetTile(0, 0).target, (RECT{0, 0, 10000, 5000}));
    EXPECT_EQ(layout.GetTile(0, 0).size, (SSize{10000, 5000}));
    EXPECT_EQ(Layout(SSize{10000, 5000}, area, false, 7, 100).GetTile(0, 0).size, (SSize{10000, 5000}));
    layout = Layout(SSize{10000, 5000}, area, false, 2, 100);
    EXPECT_FALSE(layout.IsParagraph());
    EXPECT_EQ(layout.GetTile(0, 0).target, (RECT{4500, 10000, 14500, 15000}));
    EXPECT_EQ(layout.GetTile(0, 0).size, area);
    EXPECT_DOUBLE_EQ(layout.GetScale(), 1.0);
    // Larger than the page: scaled down to fit, by the smaller ratio of the part that fits.
    layout = Layout(SSize{38000, 10000}, area, false, 1, 100);
    EXPECT_EQ(layout.GetTile(0, 0).size, (SSize{19000, 5000}));
    EXPECT_DOUBLE_EQ(layout.GetScale(), 0.5);
}

TEST(SRptUserGraphicLayout, ZoomedPagesAreAGridCentredOnTheZoomedDrawing) {
    const SSize area{19000, 25000};
    // Exactly twice as wide as the page: three columns, one row, centred on the grid.
    SRptUserGraphicLayout layout = Layout(SSize{38000, 10000}, area, true, 1, 100);
    ASSERT_EQ(layout.GetTileCount(), 3);
    EXPECT_EQ(layout.GetColumns(), 3);
    EXPECT_EQ(layout.GetRows(), 1);
    EXPECT_FALSE(layout.IsParagraph());
    EXPECT_EQ(layout.GetTile(0, 0).target, (RECT{9500, 7500, 47500, 17500}));
    EXPECT_EQ(layout.GetTile(0, 1).target.left, 9500 - 19000);
    EXPECT_EQ(layout.GetTile(0, 2).target.left, 9500 - 38000);
    EXPECT_EQ(layout.GetTile(0, 2).size, area);
    // 1.5 pages wide and 0.5 high at 100 %: two columns and one row.
    layout = Layout(SSize{28500, 12500}, area, true, 2, 100);
    EXPECT_EQ(layout.GetColumns(), 2);
    EXPECT_EQ(layout.GetRows(), 1);
    // The zoom scales the drawing: 150 % of 0.5 by 0.5 pages is 0.75 by 0.75, one page.
    layout = Layout(SSize{9500, 12500}, area, true, 1, 150);
    EXPECT_EQ(layout.GetTileCount(), 1);
    EXPECT_DOUBLE_EQ(layout.GetScale(), 1.5);
    EXPECT_EQ(layout.GetTile(0, 0).target, (RECT{2375, 3125, 16625, 21875}));
}

TEST(SRptUserGraphicLayout, NoPageForASizeOfZeroOrLess) {
    const SSize area{19000, 25000};
    EXPECT_TRUE(Layout(SSize{0, 5000}, area, false, 1, 100).IsEmpty());
    EXPECT_TRUE(Layout(SSize{100, 100}, SSize{19000, 0}, true, 1, 100).IsEmpty());
    EXPECT_TRUE(Layout(SSize{100, 100}, area, true, 1, 0).IsEmpty());
    // A drawing narrower than one device pixel has no pixel size to allow for.
    EXPECT_TRUE(SRptUserGraphicLayout(SSize{20, 20}, SSize{0, 0}, area, false, 1, 100).IsEmpty());
    EXPECT_EQ(Layout(SSize{0, 5000}, area, false, 1, 100).GetTileCount(), 0);
}

TEST(SRptUserGraphicLayout, PageImagesAllowTwicePixelAndUnitAroundTheDrawing) {
    const SSize area{19000, 25000};
    // 8010 hundredths of a millimetre on 302 pixels: 26.52 a pixel, trunc(2 × 27.52) = 55.
    EXPECT_EQ(SRptUserGraphicLayout(SSize{8010, 4000}, SSize{302, 151}, area, false, 1, 100).GetEdgeAllowance(), 55);
    // 8000 on 302: 26.49 a pixel, trunc(2 × 27.49) = 54; on 320, a whole 25: 52.
    EXPECT_EQ(SRptUserGraphicLayout(SSize{8000, 4000}, SSize{302, 151}, area, true, 1, 100).GetEdgeAllowance(), 54);
    EXPECT_EQ(SRptUserGraphicLayout(SSize{8000, 4000}, SSize{320, 160}, area, false, 2, 100).GetEdgeAllowance(), 52);
}

TEST(SRptUserGraphicLayout, PagesWhoseImagesWouldBeBeyondThePictureLimitAreNotPlaced) {
    ASSERT_EQ(int64_t{STestPictureLimit::kAtLimit.cx} * STestPictureLimit::kAtLimit.cy, SImagePixels::kMaxPixels);
    ASSERT_EQ(int64_t{STestPictureLimit::kOverLimit.cx} * STestPictureLimit::kOverLimit.cy, SImagePixels::kMaxPixels + 1);
    const SSize limit = RoomFor(STestPictureLimit::kAtLimit);
    const SSize over = RoomFor(STestPictureLimit::kOverLimit);
    const SSize drawing{10000, 5000};
    // A centred page and a zoomed page are the room; a page as a paragraph is the drawing.
    EXPECT_TRUE(Layout(drawing, limit, false, 2, 100).IsPlaced());
    EXPECT_FALSE(Layout(drawing, over, false, 2, 100).IsPlaced());
    EXPECT_TRUE(Layout(drawing, limit, true, 1, 100).IsPlaced());
    EXPECT_FALSE(Layout(drawing, over, true, 1, 100).IsPlaced());
    // A side longer than bitmaps take.
    EXPECT_FALSE(Layout(drawing, RoomFor(SIZE{32768, 100}), false, 2, 100).IsPlaced());
    const SSize wide{300000, 300000};
    EXPECT_TRUE(Layout(limit, wide, false, 1, 100).IsPlaced());
    EXPECT_FALSE(Layout(over, wide, false, 1, 100).IsPlaced());
    EXPECT_TRUE(Layout(drawing, over, false, 1, 100).IsPlaced());
    // No page, and more pages than are written: 100 by 100 pages, and 101 by 100.
    EXPECT_FALSE(Layout(SSize{0, 5000}, limit, false, 1, 100).IsPlaced());
    const SSize area{19000, 25000};
    EXPECT_TRUE(Layout(SSize{19000 * 99, 25000 * 99}, area, true, 1, 100).IsPlaced());
    EXPECT_FALSE(Layout(SSize{19000 * 100, 25000 * 99}, area, true, 1, 100).IsPlaced());
}
