// A page of the sample report as the preview window shows it, written as a picture by rpthost.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <string>

#include "SDataModelHostFixture.h"

namespace {

// The pixels of a PNG file: a white paper with the ink of the page on it.
class SPicture {
public:
    explicit SPicture(const SString& path) : m_surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~SPicture() { cairo_surface_destroy(m_surface); }
    SPicture(const SPicture&) = delete;
    SPicture& operator=(const SPicture&) = delete;

    bool IsDecoded() const { return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS; }
    int32_t Width() const { return cairo_image_surface_get_width(m_surface); }
    int32_t Height() const { return cairo_image_surface_get_height(m_surface); }
    // Whether the pixel is pure white.
    bool IsWhite(int32_t x, int32_t y) const {
        cairo_surface_flush(m_surface);
        const unsigned char* row =
            cairo_image_surface_get_data(m_surface) + y * cairo_image_surface_get_stride(m_surface);
        const auto pixel = *reinterpret_cast<const uint32_t*>(row + 4 * x);
        return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
    }
    // The inked pixels of a band of rows.
    int32_t InkIn(int32_t top, int32_t bottom) const {
        int32_t ink = 0;
        for (int32_t y = top; y < bottom && y < Height(); ++y)
            for (int32_t x = 0; x < Width(); ++x) ink += IsWhite(x, y) ? 0 : 1;
        return ink;
    }

private:
    cairo_surface_t* m_surface;
};

}  // namespace

TEST_F(SDataModelHost, APreviewPageIsTheA4PaperWithTheReportInkedWithinItsMargins) {
    const SString pages = folder.PathOf("pages");
    const std::string said = Run({"preview", "--model", ModelFile(), "-o", pages.str()}, 0);
    SPicture first(folder.PathOf("pages/page-1.png"));
    ASSERT_TRUE(first.IsDecoded()) << said;
    // A4 (210 x 297 mm) at 96 dots per inch.
    EXPECT_NEAR(first.Width(), 794, 1);
    EXPECT_NEAR(first.Height(), 1123, 1);
    // The corners of the paper are blank; the page carries the report.
    EXPECT_TRUE(first.IsWhite(0, 0));
    EXPECT_TRUE(first.IsWhite(first.Width() - 1, first.Height() - 1));
    EXPECT_GT(first.InkIn(0, first.Height()), 100);
    // Nothing is drawn in the outer 5 mm (19 dots) of the paper.
    EXPECT_EQ(first.InkIn(0, 19), 0);
}
