#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/SInputFile.h"
#include "platform/base/SInputStringStream.h"
#include "platform/gdi/SBitmap.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SEmfReader.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SLoadImage.h"
#include "platform/gdi/SPictureFile.h"
#include "support/STestPictureLimit.h"
#include "support/STestTempFolder.h"

namespace {

SString Picture(const char* name) {
    return SString(std::string(VAROD9_TEST_DATA) + "/pictures/" + name);
}

struct SLoaded {
    BITMAP description;
    std::shared_ptr<const SBitmapSurface> surface;
};

SLoaded Load(const SString& path) {
    HBITMAP handle = nullptr;
    SLoaded loaded;
    EXPECT_EQ(SLoadImage(&handle, path, nullptr), 1) << path.c_str();
    if (!handle) return loaded;
    GetObjectA(handle, sizeof loaded.description, &loaded.description);
    loaded.surface = FindBitmap(handle);
    DeleteObject(handle);
    return loaded;
}

// The headers of an uncompressed 32-bit BMP file of `width` x `height` pixels, rows bottom up.
std::string BmpHeaders(int32_t width, int32_t height) {
    std::string bytes = "BM";
    auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes += static_cast<char>(value >> (8 * i));
    };
    const uint32_t bits = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4;
    put(54 + bits, 4), put(0, 4), put(54, 4);
    put(40, 4), put(static_cast<uint32_t>(width), 4), put(static_cast<uint32_t>(height), 4), put(1, 2), put(32, 2);
    put(0, 4), put(bits, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    return bytes;
}

// A file of `size` bytes that begins with `head`; the rest is a hole of zeros that takes no room.
SString SparseFile(const STestTempFolder& folder, const std::string& name, const std::string& head, int64_t size) {
    const SString path = folder.PathOf(name);
    STestTempFolder::WriteFile(path, head);
    std::filesystem::resize_file(path.str(), static_cast<uintmax_t>(size));
    return path;
}

// The bytes that the process has read so far, as the system counts what every read returned:
// what a call reads is the difference around it; -1 where the system keeps no count.
int64_t BytesReadByProcess() {
    std::ifstream io("/proc/self/io");
    std::string key;
    int64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

}  // namespace

TEST(SLoadImage, ReadsBmpPngAndJpeg) {
    const SLoaded bmp = Load(Picture("corners.bmp"));
    ASSERT_TRUE(bmp.surface);
    EXPECT_EQ(bmp.description.bmWidth, 5);
    EXPECT_EQ(bmp.description.bmHeight, 3);
    // Rows are stored bottom up in the file: the first row read is the picture's last.
    EXPECT_EQ(bmp.surface->GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(bmp.surface->GetPixel(4, 2), 0x0000FFu);
    EXPECT_EQ(bmp.surface->GetPixel(2, 1), 0xFFFFFFu);

    const SLoaded png = Load(Picture("gradient.png"));
    EXPECT_EQ(png.description.bmWidth, 96);
    EXPECT_EQ(png.description.bmHeight, 48);

    const SLoaded jpeg = Load(Picture("green.jpg"));
    ASSERT_TRUE(jpeg.surface);
    EXPECT_EQ(jpeg.description.bmWidth, 64);
    EXPECT_EQ(jpeg.description.bmHeight, 32);
    const uint32_t pixel = jpeg.surface->GetPixel(10, 10);
    EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 160, 6);
    EXPECT_LT(static_cast<int>(pixel >> 16), 10);
}

TEST(SLoadImage, BitmapDescriptionIs24BytesWithEvenRows) {
    SBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 5, 2));
    BITMAP description;
    EXPECT_EQ(bitmap.GetBitmap(&description), 24);
    EXPECT_EQ(description.bmWidthBytes, 16);  // 15 bytes of pixels, padded to an even count
    EXPECT_EQ(description.bmPlanes, 1);
    EXPECT_EQ(description.bmBitsPixel, 24);
    std::vector<uint8_t> bits(32, 0);
    EXPECT_EQ(bitmap.GetBitmapBits(32, bits.data()), 32);
    EXPECT_EQ(bits[0], 0xFF);   // white, blue first
    EXPECT_EQ(bits[15], 0x00);  // the padding
}

TEST(SLoadImage, BrokenFilesGiveZeroAndNoHandle) {
    STestTempFolder folder;
    const size_t live = SGdiHandleTable::Get().GetCount();
    const std::string png = STestTempFolder::ReadFile(Picture("gradient.png"));
    const std::string jpeg = STestTempFolder::ReadFile(Picture("green.jpg"));
    const std::string bmp = STestTempFolder::ReadFile(Picture("corners.bmp"));
    std::string hugeBmp = bmp;
    // A header announcing 100000 × 100000 pixels in a file of a hundred bytes.
    hugeBmp[18] = '\xA0', hugeBmp[19] = '\x86', hugeBmp[20] = '\x01';
    hugeBmp[22] = '\xA0', hugeBmp[23] = '\x86', hugeBmp[24] = '\x01';
    const std::vector<std::string> inputs = {png.substr(0, png.size() / 2), jpeg.substr(0, 100), bmp.substr(0, 40),
                                             hugeBmp, std::string("BM"), std::string(1000, '\0')};
    int n = 0;
    for (const std::string& input : inputs) {
        const SString path = folder.PathOf("broken" + std::to_string(n++));
        STestTempFolder::WriteFile(path, input);
        HBITMAP handle = reinterpret_cast<HBITMAP>(1);
        EXPECT_EQ(SLoadImage(&handle, path, nullptr), 0) << n;
        EXPECT_EQ(handle, nullptr);
    }
    HBITMAP handle = nullptr;
    EXPECT_EQ(SLoadImage(&handle, folder.PathOf("missing.png"), nullptr), 0);
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), live);
}

TEST(SLoadImage, APictureWhoseHeaderClaimsMoreThanTheLimitIsRefusedBeforeItIsDecoded) {
    // Files of a few hundred bytes and a few kilobytes whose headers claim 576 x 64,544 pixels,
    // more than the 32 megapixels a picture may have.
    EXPECT_GT(int64_t{576} * 64544, SImagePixels::kMaxPixels);
    const size_t live = SGdiHandleTable::Get().GetCount();
    for (const char* name : {"claims-576x64544.jpg", "claims-576x64544.png"}) {
        HBITMAP handle = reinterpret_cast<HBITMAP>(1);
        EXPECT_EQ(SLoadImage(&handle, Picture(name), nullptr), 0) << name;
        EXPECT_EQ(handle, nullptr) << name;
        const std::string bytes = STestTempFolder::ReadFile(Picture(name));
        SImagePixels pixels;
        EXPECT_FALSE(SDecodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &pixels)) << name;
        EXPECT_TRUE(pixels.pixels.empty()) << name;
    }
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), live);
}

TEST(SLoadImage, APictureAtTheLimitIsReadFromAnUncompressedFileAndOnePixelMoreIsRefused) {
    const SIZE size = STestPictureLimit::kAtLimit;
    ASSERT_EQ(int64_t{size.cx} * size.cy, SImagePixels::kMaxPixels);
    // As a 32-bit BMP, the picture at the limit is a file of more than 128 MiB; its pixels are
    // the hole's zeros, black.
    STestTempFolder folder;
    const SString limit = SparseFile(folder, "limit.bmp", BmpHeaders(size.cx, size.cy), 54 + 4 * SImagePixels::kMaxPixels);
    const SLoaded loaded = Load(limit);
    ASSERT_TRUE(loaded.surface);
    EXPECT_EQ(loaded.description.bmWidth, size.cx);
    EXPECT_EQ(loaded.description.bmHeight, size.cy);
    EXPECT_EQ(loaded.surface->GetPixel(size.cx - 1, size.cy - 1), 0x000000u);

    const size_t live = SGdiHandleTable::Get().GetCount();
    HBITMAP handle = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(SLoadImage(&handle, STestPictureLimit::OverLimitFile().c_str(), nullptr), 0);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), live);
}

TEST(SLoadImage, ASideOfUpTo32767PixelsIsReadAndALongerOneIsRefused) {
    const SLoaded longest = Load(Picture("side-32767x1.png"));
    ASSERT_TRUE(longest.surface);
    EXPECT_EQ(longest.description.bmWidth, 32767);
    EXPECT_EQ(longest.surface->GetPixel(32766, 0), 0x2060C0u);
    HBITMAP handle = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(SLoadImage(&handle, Picture("side-32768x1.png"), nullptr), 0);
    EXPECT_EQ(handle, nullptr);
}

TEST(SPictureFile, APictureBeyondTheLimitIsToldFromItsHeaderAndItsFileSize) {
    // Sizes the readers refuse: a pixel more than the limit, a side longer than bitmaps take, a
    // size far beyond; and those they read.
    for (const char* name : {"over-limit-8283x4051.png", "side-32768x1.png", "claims-576x64544.png",
                             "claims-576x64544.jpg"})
        EXPECT_TRUE(SPictureFile::IsBeyondLimit(Picture(name))) << name;
    for (const char* name : {"limit-8192x4096.png", "side-32767x1.png", "corners.bmp", "green.jpg"})
        EXPECT_FALSE(SPictureFile::IsBeyondLimit(Picture(name))) << name;
    // The size read from the header is the size decoded.
    for (const char* name : {"corners.bmp", "gradient.png", "green.jpg", "claims-576x64544.jpg"}) {
        const std::string bytes = STestTempFolder::ReadFile(Picture(name));
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        int64_t width = 0;
        int64_t height = 0;
        SInputStringStream stream{SString(bytes)};
        ASSERT_TRUE(SReadImageSize(stream, &width, &height)) << name;
        SImagePixels pixels;
        const bool decoded = SDecodeImage(data, bytes.size(), &pixels);
        EXPECT_EQ(decoded, SImagePixels::IsReadableSize(width, height)) << name;
        if (decoded) {
            EXPECT_EQ(pixels.width, width) << name;
            EXPECT_EQ(pixels.height, height) << name;
        }
    }

    // Only the header is read: a picture of 64 MiB costs no more than a small one.
    STestTempFolder folder;
    const SString large = SparseFile(folder, "large.bmp", BmpHeaders(4096, 4096), 54 + (int64_t{64} << 20));
    const int64_t readBefore = BytesReadByProcess();
    ASSERT_GE(readBefore, 0) << "the system keeps no count of the bytes read";
    EXPECT_FALSE(SPictureFile::IsBeyondLimit(large));
    EXPECT_LT(BytesReadByProcess() - readBefore, 64 * 1024);
    SInputFile file(large);
    int64_t width = 0;
    int64_t height = 0;
    ASSERT_TRUE(SReadImageSize(file, &width, &height));
    EXPECT_EQ(width, 4096);
    EXPECT_EQ(height, 4096);
    EXPECT_LE(file.GetPosition(), 4096);

    // Files larger than a picture within the limit takes, whatever their header claims.
    const std::string bmp = BmpHeaders(5, 3);
    EXPECT_TRUE(SPictureFile::IsBeyondLimit(SparseFile(folder, "long.bmp", bmp, kMaxImageFileBytes + 1)));
    EXPECT_FALSE(SPictureFile::IsBeyondLimit(SparseFile(folder, "short.bmp", bmp, 54 + 60)));
    std::string emf(44, '\0');
    emf[0] = 1;
    emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
    const SString metaFile = SparseFile(folder, "long.emf", emf, static_cast<int64_t>(SEmfReader::kMaxBytes) + 1);
    ASSERT_EQ(SPictureFile::GetContentType(metaFile), SPictureFile::kEnhMetaFile);
    EXPECT_TRUE(SPictureFile::IsBeyondLimit(metaFile));
    // Neither a file that is not a picture nor a missing one.
    EXPECT_FALSE(SPictureFile::IsBeyondLimit(SparseFile(folder, "long.txt", "text", kMaxImageFileBytes + 1)));
    EXPECT_FALSE(SPictureFile::IsBeyondLimit(folder.PathOf("missing.png")));
}

TEST(SPictureFile, ContentTypeFromTheFirstBytes) {
    EXPECT_EQ(SPictureFile::GetContentType(Picture("corners.bmp")), SPictureFile::kBmp);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("gradient.png")), SPictureFile::kPng);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("green.jpg")), SPictureFile::kJpeg);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("missing.emf")), SPictureFile::kUnknown);
}
