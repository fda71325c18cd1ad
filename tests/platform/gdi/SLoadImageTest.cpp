#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/SBitmap.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SLoadImage.h"
#include "platform/gdi/SPictureFile.h"
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
        EXPECT_FALSE(SDecodeImage(std::vector<uint8_t>(bytes.begin(), bytes.end()), &pixels)) << name;
        EXPECT_TRUE(pixels.pixels.empty()) << name;
    }
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), live);
}

TEST(SPictureFile, ContentTypeFromTheFirstBytes) {
    EXPECT_EQ(SPictureFile::GetContentType(Picture("corners.bmp")), SPictureFile::kBmp);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("gradient.png")), SPictureFile::kPng);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("green.jpg")), SPictureFile::kJpeg);
    EXPECT_EQ(SPictureFile::GetContentType(Picture("missing.emf")), SPictureFile::kUnknown);
}
