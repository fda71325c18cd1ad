#include "platform/gdi/SImageBackEnd.h"

#include <cairo.h>

#include <cstring>

namespace {

void SetColour(cairo_t* cr, COLORREF colour) {
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

// A drawing context on the surface for one operation.
class SCairoContext {
public:
    explicit SCairoContext(cairo_surface_t* surface) : m_cr(surface ? cairo_create(surface) : nullptr) {}
    ~SCairoContext() {
        if (m_cr) cairo_destroy(m_cr);
    }
    SCairoContext(const SCairoContext&) = delete;
    SCairoContext& operator=(const SCairoContext&) = delete;
    cairo_t* Get() const { return m_cr; }
    bool Ok() const { return m_cr && cairo_status(m_cr) == CAIRO_STATUS_SUCCESS; }

private:
    cairo_t* m_cr;
};

}  // namespace

SImageBackEnd::SImageBackEnd(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY, int32_t technology)
    : m_caps(SDeviceCaps::ForRaster(width, height, logPixelsX, logPixelsY, technology)) {}

SImageBackEnd::~SImageBackEnd() {
    if (m_surface) cairo_surface_destroy(m_surface);
}

cairo_surface_t* SImageBackEnd::GetSurface() const {
    if (m_surface) return m_surface;
    // Beyond a gigabyte of pixels a request is a mistake, not a page.
    const int64_t pixels = static_cast<int64_t>(m_caps.horzRes) * m_caps.vertRes;
    if (m_caps.horzRes <= 0 || m_caps.vertRes <= 0 || pixels > kMaxPixels) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_caps.horzRes, m_caps.vertRes);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    m_surface = surface;
    SCairoContext white(m_surface);
    if (white.Ok()) {
        cairo_set_source_rgb(white.Get(), 1, 1, 1);
        cairo_paint(white.Get());
    }
    return m_surface;
}

bool SImageBackEnd::DrawText(const STextRun& run) {
    SCairoContext context(GetSurface());
    if (!context.Ok() || !run.font) return false;
    SetColour(context.Get(), run.colour);
    run.font->Paint(context.Get(), run.x, run.baseline, run.text, run.advances);
    return cairo_status(context.Get()) == CAIRO_STATUS_SUCCESS;
}

bool SImageBackEnd::FillRect(const RECT& rect, COLORREF colour) {
    SCairoContext context(GetSurface());
    if (!context.Ok()) return false;
    SetColour(context.Get(), colour);
    cairo_rectangle(context.Get(), rect.left, rect.top, static_cast<double>(rect.right) - rect.left,
                    static_cast<double>(rect.bottom) - rect.top);
    cairo_fill(context.Get());
    return cairo_status(context.Get()) == CAIRO_STATUS_SUCCESS;
}

COLORREF SImageBackEnd::GetPixel(int32_t x, int32_t y) const {
    cairo_surface_t* surface = GetSurface();
    if (!surface || x < 0 || y < 0 || x >= m_caps.horzRes || y >= m_caps.vertRes) return CLR_INVALID;
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(surface));
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, sizeof(pixel));  // native-endian 0x00RRGGBB
    return RGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel));
}
