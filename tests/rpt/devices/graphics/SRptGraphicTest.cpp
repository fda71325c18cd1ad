#include <gtest/gtest.h>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SPlatform.h"
#include "platform/gdi/SWindowDC.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicCoords.h"
#include "rpt/devices/graphics/SRptGraphicLayout.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "support/STestTempFolder.h"

namespace {

class SPlatformScope {
public:
    explicit SPlatformScope(int32_t platform) : m_previous(SSetPlatform(platform)) {}
    ~SPlatformScope() { SSetPlatform(m_previous); }

private:
    int32_t m_previous;
};

}  // namespace

TEST(SRptGraphic, NewPicturesAreUnlockedWithDefaultScaling) {
    SRptGraphicMetaFile metaFile;
    SRptGraphicBitmap bitmap;
    for (SRptGraphic* picture : {static_cast<SRptGraphic*>(&metaFile), static_cast<SRptGraphic*>(&bitmap)}) {
        EXPECT_EQ(picture->IsLocked(), 0);
        EXPECT_EQ(picture->GetDrawDC(), nullptr);
        EXPECT_FALSE(picture->GetUseZoom());
        EXPECT_EQ(picture->GetOnePageType(), 1);
        EXPECT_EQ(picture->GetZoomPerct(), 100);
    }
    BITMAP description;
    EXPECT_EQ(metaFile.GetBitmap(&description), 0);
    EXPECT_EQ(metaFile.GetFormat(), 1);
    EXPECT_EQ(bitmap.GetFormat(), 2);
}

TEST(SRptGraphic, BitmapLockedAtOneInchHas96PixelsOnTheScreen) {
    SRptGraphicBitmap bitmap;
    bitmap.Lock(SSize{2540, 2540});
    EXPECT_EQ(bitmap.IsLocked(), 1);
    ASSERT_NE(bitmap.GetDrawDC(), nullptr);
    bitmap.GetDrawDC()->FillSolidRect(RECT{0, 0, 10, 10}, RGB(0, 0, 255));
    bitmap.Unlock();
    EXPECT_EQ(bitmap.GetDrawDC(), nullptr);
    BITMAP description;
    ASSERT_EQ(bitmap.GetBitmap(&description), 24);
    EXPECT_EQ(description.bmWidth, 96);
    EXPECT_EQ(description.bmHeight, 96);
    EXPECT_EQ(bitmap.GetBitmap()->GetBitmapDimension(), (SIZE{254, 254}));
    EXPECT_EQ(bitmap.GetSize(), (SSize{2540, 2540}));
    // The drawing stays in the bitmap: its first bytes are blue, then green, then red.
    std::vector<unsigned char> bits(bitmap.GetBits(0, nullptr));
    ASSERT_EQ(bits.size(), 96u * 288u);
    ASSERT_EQ(bitmap.GetBits(static_cast<uint32_t>(bits.size()), bits.data()), bits.size());
    EXPECT_EQ(bits[0], 0xFF);
    EXPECT_EQ(bits[2], 0x00);
}

TEST(SRptGraphic, LockingOnACallersContextKeepsTheFirst) {
    SWindowDC first, second;
    SRptGraphicMetaFile picture;
    picture.Lock(first);
    picture.Lock(second);
    EXPECT_EQ(picture.GetDrawDC(), &first);
    picture.SRptGraphic::Unlock();
    EXPECT_EQ(picture.IsLocked(), 0);
}

TEST(SRptGraphic, MetafileRecordsItsFrame) {
    SRptGraphicMetaFile picture;
    picture.Lock(SSize{5000, 3000});
    picture.GetDrawDC()->Rectangle(0, 0, 20, 20);
    picture.Unlock();
    EXPECT_EQ(picture.GetSize(), (SSize{5000, 3000}));
    EXPECT_GT(picture.GetBits(0, nullptr), 108u);
}

TEST(SRptGraphic, LoadedBitmapSizeComesFromItsPixelCounts) {
    // 96 pixels at the screen's 96 pixels per inch are one inch: 254 tenths of a millimetre.
    SRptGraphicBitmap bitmap;
    ASSERT_EQ(bitmap.LoadFile(SString(std::string(VAROD9_TEST_DATA) + "/pictures/gradient.png"), nullptr), 1);
    EXPECT_EQ(bitmap.GetBitmap()->GetBitmapDimension(), (SIZE{254, 127}));
    EXPECT_EQ(bitmap.GetSize(), (SSize{2540, 1270}));
    STestTempFolder folder;
    SRptGraphicBitmap broken;
    EXPECT_EQ(broken.LoadFile(folder.PathOf("missing.png"), nullptr), 0);
    SRptGraphicMetaFile metaFile;
    EXPECT_EQ(metaFile.LoadFile(folder.PathOf("missing.emf"), nullptr), 0);
}

TEST(SRptGraphicCoords, SixteenBitPlatformConvertsInPartsOf32000) {
    SWindowDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(3, 3);
    dc.SetViewportExt(1, 1);
    RECT direct{0, 0, 70000, 70000};
    LPtoDPRect(&dc, &direct);
    SPlatformScope platform(1);
    RECT parts{0, 0, 70000, 70000};
    LPtoDPRect(&dc, &parts);
    // 2 × the converted 32000 (10667) plus the converted 6000 (2000).
    EXPECT_EQ(parts.right, 2 * 10667 + 2000);
    EXPECT_EQ(parts.bottom, 2 * 10667 + 2000);
    EXPECT_EQ(direct.right, 23333);
    SSize size{70000, 10};
    LPtoDPSize(&dc, &size);
    EXPECT_EQ(size, (SSize{23334, 3}));
    LPtoDPRect(nullptr, &parts);
    LPtoDPSize(&dc, nullptr);
}

TEST(SRptGraphicLayout, FittingKeepsProportionsAndNeverEnlarges) {
    // 300 × 200 mm on 190 × 250 mm.
    EXPECT_EQ(SRptGraphicLayout::FitInIntegers(SSize{30000, 20000}, SSize{19000, 25000}), (SSize{19000, 12666}));
    EXPECT_EQ(SRptRtfDevice::ToTwips(19000), 10772);
    EXPECT_EQ(SRptRtfDevice::ToTwips(12666), 7181);
    EXPECT_EQ(SRptGraphicLayout::FitByRatio(SSize{34000, 10000}, SSize{17000, 25000}), (SSize{17000, 5000}));
    EXPECT_EQ(SRptGraphicLayout::FitByRatio(SSize{1000, 500}, SSize{17000, 25000}), (SSize{1000, 500}));
    // Products beyond 32 bits.
    EXPECT_EQ(SRptGraphicLayout::FitInIntegers(SSize{2000000000, 2000000000}, SSize{20000, 30000}), (SSize{20000, 20000}));
}

TEST(SRptGraphicLayout, UserGraphicPages) {
    const SSize area{19000, 25000};
    // One page as a paragraph, and centred on its page; any type but 2 is a paragraph.
    auto tiles = SRptGraphicLayout::UserGraphicTiles(SSize{10000, 5000}, area, false, 1, 100);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0].target, (RECT{0, 0, 10000, 5000}));
    EXPECT_EQ(tiles[0].size, (SSize{10000, 5000}));
    EXPECT_EQ(SRptGraphicLayout::UserGraphicTiles(SSize{10000, 5000}, area, false, 7, 100)[0].size, (SSize{10000, 5000}));
    tiles = SRptGraphicLayout::UserGraphicTiles(SSize{10000, 5000}, area, false, 2, 100);
    EXPECT_EQ(tiles[0].target, (RECT{4500, 10000, 14500, 15000}));
    EXPECT_EQ(tiles[0].size, area);
    // Larger than the page: scaled down to fit.
    tiles = SRptGraphicLayout::UserGraphicTiles(SSize{38000, 10000}, area, false, 1, 100);
    EXPECT_EQ(tiles[0].size, (SSize{19000, 5000}));
    // Zoomed, exactly twice as wide as the page: three columns, one row, centred on the grid.
    tiles = SRptGraphicLayout::UserGraphicTiles(SSize{38000, 10000}, area, true, 1, 100);
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[0].target, (RECT{9500, 7500, 47500, 17500}));
    EXPECT_EQ(tiles[1].target.left, 9500 - 19000);
    EXPECT_EQ(tiles[2].target.left, 9500 - 38000);
    // No page for a size of 0 or less, of the drawing or of the printable area.
    EXPECT_TRUE(SRptGraphicLayout::UserGraphicTiles(SSize{0, 5000}, area, false, 1, 100).empty());
    EXPECT_TRUE(SRptGraphicLayout::UserGraphicTiles(SSize{100, 100}, SSize{19000, 0}, true, 1, 100).empty());
    EXPECT_TRUE(SRptGraphicLayout::UserGraphicTiles(SSize{100, 100}, area, true, 1, 0).empty());
}
