// JPEG files from pixel blocks and cairo surfaces.
#include <gtest/gtest.h>

#include <cairo.h>

#include <csetjmp>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/base/SEIOException.h"
#include "platform/gdi/SJpegWriter.h"
#include "support/STestTempFolder.h"

namespace {

struct Decoded {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;
};

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

// Reads the bytes back with libjpeg; an empty result when they are no JPEG.
bool Decode(const std::string& bytes, Decoded& out) {
    jpeg_decompress_struct info;
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = [](j_common_ptr common) { std::longjmp(reinterpret_cast<JumpingErrors*>(common->err)->back, 1); };
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int32_t>(info.output_width);
    out.height = static_cast<int32_t>(info.output_height);
    out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &out.rgb[static_cast<size_t>(info.output_scanline) * out.width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool Near(uint8_t a, uint8_t b) {
    return (a > b ? a - b : b - a) <= 12;
}

}  // namespace

TEST(SJpegWriter, APixelBlockComesBackWithItsSizeAndColours) {
    // Left half red, right half blue, 16 by 8 pixels, rows padded to 64 bytes.
    std::vector<uint8_t> pixels(64 * 8, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            uint8_t* p = &pixels[y * 64 + x * 3];
            p[0] = x < 8 ? 220 : 0;
            p[2] = x < 8 ? 0 : 220;
        }
    SJpegWriter::SImage image{16, 8, pixels.data(), 64};
    Decoded decoded;
    ASSERT_TRUE(Decode(SJpegWriter::Encode(image), decoded));
    EXPECT_EQ(decoded.width, 16);
    EXPECT_EQ(decoded.height, 8);
    EXPECT_TRUE(Near(decoded.rgb[(4 * 16 + 2) * 3], 220));
    EXPECT_TRUE(Near(decoded.rgb[(4 * 16 + 2) * 3 + 2], 0));
    EXPECT_TRUE(Near(decoded.rgb[(4 * 16 + 13) * 3 + 2], 220));
}

TEST(SJpegWriter, ImagesWithoutPixelsAreNotEncoded) {
    std::vector<uint8_t> pixels(30);
    EXPECT_TRUE(SJpegWriter::Encode(SJpegWriter::SImage{0, 1, pixels.data(), 30}).empty());
    EXPECT_TRUE(SJpegWriter::Encode(SJpegWriter::SImage{10, 1, nullptr, 30}).empty());
    EXPECT_TRUE(SJpegWriter::Encode(SJpegWriter::SImage{10, 1, pixels.data(), 29}).empty());
    EXPECT_TRUE(SJpegWriter::EncodeSurface(nullptr).empty());
}

TEST(SJpegWriter, ASurfaceIsWrittenOverWhite) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 20, 10);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0, 0.5, 0);
    cairo_rectangle(cr, 0, 0, 10, 10);
    cairo_fill(cr);
    cairo_destroy(cr);
    Decoded decoded;
    ASSERT_TRUE(Decode(SJpegWriter::EncodeSurface(surface), decoded));
    cairo_surface_destroy(surface);
    EXPECT_EQ(decoded.width, 20);
    EXPECT_TRUE(Near(decoded.rgb[(5 * 20 + 2) * 3], 0));
    EXPECT_TRUE(Near(decoded.rgb[(5 * 20 + 2) * 3 + 1], 128));
    // The transparent half is white.
    EXPECT_TRUE(Near(decoded.rgb[(5 * 20 + 17) * 3], 255));
}

TEST(SJpegWriter, FilesAreWrittenWholeOrNotAtAll) {
    STestTempFolder folder;
    std::vector<uint8_t> pixels(4 * 4 * 3, 128);
    const SJpegWriter::SImage image{4, 4, pixels.data(), 12};
    SJpegWriter::Write(folder.PathOf("grey.jpg"), image);
    Decoded decoded;
    ASSERT_TRUE(Decode(STestTempFolder::ReadFile(folder.PathOf("grey.jpg")), decoded));
    EXPECT_EQ(decoded.width, 4);
    EXPECT_THROW(SJpegWriter::Write(folder.PathOf("missing/grey.jpg"), image), SEIOException);
    STestTempFolder::WriteFile(folder.PathOf("kept.jpg"), "previous");
    EXPECT_THROW(SJpegWriter::Write(folder.PathOf("kept.jpg"), SJpegWriter::SImage{}), SEIOException);
    EXPECT_EQ(STestTempFolder::ReadFile(folder.PathOf("kept.jpg")), "previous");
}
