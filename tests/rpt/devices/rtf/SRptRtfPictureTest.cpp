#include <gtest/gtest.h>

#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"

namespace {

// A picture whose size, format, bitmap and data the test sets.
class STestPicture : public SRptGraphic {
public:
    void Lock(const SSize&) override {}
    int32_t LoadFile(const SString&, SDC*) override { return 0; }
    uint32_t GetBits(uint32_t size, unsigned char* buffer) override {
        if (!buffer) return announced;
        const uint32_t count = std::min<uint32_t>(size, static_cast<uint32_t>(data.size()));
        std::copy(data.begin(), data.begin() + count, buffer);
        return count;
    }
    SSize GetSize() override { return size; }
    int32_t GetFormat() override { return format; }
    int32_t GetBitmap(BITMAP* out) override {
        *out = bitmap;
        return 24;
    }

    std::vector<unsigned char> data{0x01, 0xAB, 0xFF};
    uint32_t announced = 3;
    SSize size;
    int32_t format = 1;
    BITMAP bitmap;
};

class SRptRtfPictureTest : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        // 210 × 297 mm less margins: 190 × 250 mm printable.
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{1000, 2350, 1000, 2350});
        item = AddItem("TEXT");
        MemoryDevice();
    }
    void TearDown() override {
        item.Clear();
        SRptRtfTest::TearDown();
    }
    SComWrap<ISRptItem> item;
};

}  // namespace

TEST_F(SRptRtfPictureTest, MetafileIsFittedToThePrintableArea) {
    STestPicture picture;
    picture.size = SSize{30000, 20000};
    ASSERT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    EXPECT_EQ(Written(),
              "\r\n{\\pict\\emfblip\\picw19000\\pich12666\\picwgoal10772\\pichgoal7181\\picscalex100\\picscaley100\r\n"
              "01abff\r\n}\r\n");
}

TEST_F(SRptRtfPictureTest, BitmapHeaderTellsItsPixels) {
    STestPicture picture;
    picture.format = 2;
    picture.size = SSize{2540, 1270};
    picture.bitmap.bmWidth = 100;
    picture.bitmap.bmHeight = 50;
    picture.bitmap.bmBitsPixel = 24;
    picture.bitmap.bmPlanes = 1;
    picture.bitmap.bmWidthBytes = 300;
    ASSERT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    EXPECT_NE(Written().find("{\\pict\\wbitmap0\\picw100\\pich50\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes300"
                             "\\picwgoal1440\\pichgoal720\\picscalex100\\picscaley100\r\n01abff\r\n}"),
              std::string::npos)
        << Written();
}

TEST_F(SRptRtfPictureTest, ZoomedPictureWiderThanTheGoalLimitTakesTheZoomIntoItsSize) {
    STestPicture picture;
    picture.size = SSize{40000, 10000};
    picture.SetUseZoom(true);
    picture.SetZoomPerct(50);
    ASSERT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    EXPECT_NE(Written().find("\\picw20000\\pich5000\\picwgoal11339\\pichgoal2835\\picscalex100\\picscaley100"),
              std::string::npos)
        << Written();
}

TEST_F(SRptRtfPictureTest, ShortEmptyOrSizelessPicturesWriteNothing) {
    STestPicture picture;
    picture.size = SSize{1000, 1000};
    picture.announced = 5;
    EXPECT_EQ(device->WritePicture(item.Get(), &picture), E_UNEXPECTED);
    picture.announced = 0;
    EXPECT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    picture.announced = 3;
    picture.size = SSize{0, 1000};
    EXPECT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    EXPECT_EQ(device->WritePicture(item.Get(), nullptr), E_INVALIDARG);
    EXPECT_EQ(Written(), "");
}

TEST_F(SRptRtfPictureTest, RecordedMetafileIsWrittenAsHexOfItsBytes) {
    SRptGraphicMetaFile picture;
    picture.Lock(SSize{1000, 500});
    picture.GetDrawDC()->Rectangle(0, 0, 10, 10);
    picture.Unlock();
    ASSERT_EQ(device->WritePicture(item.Get(), &picture), S_OK);
    const std::string written = Written();
    const size_t start = written.find("\r\n", 2) + 2;
    const size_t end = written.find("\r\n", start);
    // Two lower-case digits per byte, one line; the metafile starts with its header record.
    EXPECT_EQ(end - start, 2 * picture.GetBits(0, nullptr));
    EXPECT_EQ(written.substr(start, 8), "01000000");
    EXPECT_EQ(written.find_first_of("ABCDEF ", start), std::string::npos);
}
