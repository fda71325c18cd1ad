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
