#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/SBitmap.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SEmfReader.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SMetaFile.h"
#include "support/STestFontEngineScope.h"
#include "support/STestTempFolder.h"

namespace {

// A recording of every kind of drawing the devices and host modules make, in a frame of
// 100 × 50 mm.
std::vector<uint8_t> RecordSample() {
    SDC dc;
    const RECT frame{0, 0, 10000, 5000};
    dc.Attach(CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr));
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    dc.Rectangle(10, 10, 100, 60);
    dc.Ellipse(120, 10, 200, 60);
    const POINT triangle[3] = {{10, 100}, {60, 150}, {10, 150}};
    dc.Polygon(triangle, 3);
    dc.MoveTo(0, 0);
    dc.LineTo(300, 180);
    dc.IntersectClipRect(0, 0, 250, 150);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(20, 160, "Sales \xE2\x82\xAC");
    dc.SelectClipRgn(nullptr);
    SBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, 4, 2);
    SDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(bitmap.GetSafeHandle());
    memory.FillSolidRect(RECT{0, 0, 2, 2}, RGB(0, 128, 0));
    dc.StretchBlt(220, 100, 40, 20, &memory, 0, 0, 4, 2, SRCCOPY);
    dc.SelectObject(::GetStockObject(BLACK_PEN));
    dc.SelectObject(::GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
    return CloseEnhMetaFile(dc.Detach());
}

std::vector<std::pair<uint32_t, std::string>> RecordsOf(const std::vector<uint8_t>& bits) {
    std::vector<SEmfFormat::View> views;
    SEmfHeader header;
    EXPECT_TRUE(SEmfReader::Parse(bits, &header, &views));
    std::vector<std::pair<uint32_t, std::string>> records;
    for (const SEmfFormat::View& view : views)
        records.emplace_back(view.GetType(), std::string(reinterpret_cast<const char*>(view.GetData()), view.GetSize()));
    return records;
}

void Put32(std::vector<uint8_t>& bits, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bits[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

TEST(SMetaFile, RecordingIsAnEnhancedMetafileWithHeaderAndEnd) {
    STestFontEngineScope fonts;
    const std::vector<uint8_t> bits = RecordSample();
    SMetaFile metaFile;
    ASSERT_TRUE(metaFile.Attach(bits));
    const auto records = RecordsOf(bits);
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(records.front().first, SEmfFormat::EMR_HEADER);
    EXPECT_EQ(records.back().first, SEmfFormat::EMR_EOF);
    std::vector<uint32_t> types;
    for (const auto& record : records) types.push_back(record.first);
    for (uint32_t wanted : {SEmfFormat::EMR_CREATEPEN, SEmfFormat::EMR_CREATEBRUSHINDIRECT, SEmfFormat::EMR_RECTANGLE,
                            SEmfFormat::EMR_ELLIPSE, SEmfFormat::EMR_POLYGON, SEmfFormat::EMR_POLYLINE,
                            SEmfFormat::EMR_EXTCREATEFONTINDIRECTW, SEmfFormat::EMR_EXTTEXTOUTW,
                            SEmfFormat::EMR_INTERSECTCLIPRECT, SEmfFormat::EMR_EXTSELECTCLIPRGN,
                            SEmfFormat::EMR_STRETCHDIBITS})
        EXPECT_NE(std::find(types.begin(), types.end(), wanted), types.end()) << "record type " << wanted;
    // The frame is the one asked for; the device size follows the screen's 96 dpi.
    EXPECT_EQ(metaFile.GetSize(), (SSize{10000, 5000}));
    EXPECT_EQ(metaFile.GetSizeInDeviceUnits(), (SSize{377, 188}));
    EXPECT_EQ(metaFile.GetEnhMetaFileBits(0, nullptr), bits.size());
}

TEST(SMetaFile, WrittenAsEmfAndReadBackGivesTheSameRecords) {
    STestFontEngineScope fonts;
    STestTempFolder folder;
    const std::vector<uint8_t> bits = RecordSample();
    SMetaFile recorded;
    ASSERT_TRUE(recorded.Attach(bits));
    std::vector<uint8_t> written(recorded.GetEnhMetaFileBits(0, nullptr));
    ASSERT_EQ(recorded.GetEnhMetaFileBits(static_cast<uint32_t>(written.size()), written.data()), written.size());
    const SString path = folder.PathOf("sample.emf");
    STestTempFolder::WriteFile(path, std::string(written.begin(), written.end()));

    SMetaFile read;
    ASSERT_EQ(read.LoadMetaFile(path), 1);
    EXPECT_EQ(RecordsOf(read.GetBits()), RecordsOf(bits));
    EXPECT_EQ(read.GetSize(), recorded.GetSize());
}

TEST(SMetaFile, PlayedOntoABitmapDrawsIntoTheTargetRectangle) {
    STestFontEngineScope fonts;
    SDC recorder;
    const RECT frame{0, 0, 2540, 2540};  // one inch: 96 reference pixels
    recorder.Attach(CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr));
    recorder.FillSolidRect(RECT{0, 0, 48, 96}, RGB(255, 0, 0));
    SMetaFile metaFile;
    ASSERT_TRUE(metaFile.Attach(CloseEnhMetaFile(recorder.Detach())));

    SBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 200, 100));
    SDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SelectObject(bitmap.GetSafeHandle());
    ASSERT_TRUE(dc.PlayEnhMetaFile(metaFile, RECT{100, 0, 200, 100}));
    // The left half of the drawing lands on the left half of the target, nothing outside it.
    EXPECT_EQ(dc.GetPixel(110, 50), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(190, 50), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(50, 50), RGB(255, 255, 255));
}

TEST(SMetaFile, ReaderRefusesMalformedFiles) {
    STestFontEngineScope fonts;
    const std::vector<uint8_t> good = RecordSample();
    SMetaFile metaFile;
    ASSERT_TRUE(metaFile.Attach(good));

    auto refused = [](std::vector<uint8_t> bits) {
        SMetaFile candidate;
        return !candidate.Attach(std::move(bits)) && candidate.IsEmpty();
    };
    // Truncated anywhere, even by the end record only.
    EXPECT_TRUE(refused(std::vector<uint8_t>(good.begin(), good.end() - 20)));
    EXPECT_TRUE(refused(std::vector<uint8_t>(good.begin(), good.begin() + 100)));
    EXPECT_TRUE(refused({}));
    // A header that announces another byte count or record count.
    std::vector<uint8_t> bytes = good;
    Put32(bytes, 48, static_cast<uint32_t>(good.size() + 4));
    EXPECT_TRUE(refused(bytes));
    bytes = good;
    Put32(bytes, 52, 3);
    EXPECT_TRUE(refused(bytes));
    // A record whose size is not a multiple of 4, is below 8, or runs past the end.
    const size_t second = 108;
    for (uint32_t size : {13u, 4u, 0u, 0x7FFFFFF0u}) {
        bytes = good;
        Put32(bytes, second + 4, size);
        EXPECT_TRUE(refused(bytes)) << size;
    }
    // Not a metafile at all.
    bytes = good;
    Put32(bytes, 40, 0x12345678);
    EXPECT_TRUE(refused(bytes));
}

TEST(SMetaFile, LoadingAMissingOrForeignFileGivesZero) {
    STestTempFolder folder;
    SMetaFile metaFile;
    EXPECT_EQ(metaFile.LoadMetaFile(folder.PathOf("missing.emf")), 0);
    const SString path = folder.PathOf("text.emf");
    STestTempFolder::WriteFile(path, std::string(200, 'x'));
    EXPECT_EQ(metaFile.LoadMetaFile(path), 0);
    EXPECT_TRUE(metaFile.IsEmpty());
}
