#include "platform/gdi/SBitmapSurface.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

#include "platform/gdi/SImagePixels.h"

SBitmapSurface::SBitmapSurface(int32_t width, int32_t height) {
    if (!SImagePixels::IsReadableSize(width, height)) return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    m_surface = surface;
    m_width = width;
    m_height = height;
    cairo_t* cr = cairo_create(m_surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
}

SBitmapSurface::~SBitmapSurface() {
    if (m_surface) cairo_surface_destroy(m_surface);
}

uint32_t SBitmapSurface::GetPixel(int32_t x, int32_t y) const {
    if (!m_surface || x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    cairo_surface_flush(m_surface);
    const unsigned char* row = cairo_image_surface_get_data(m_surface) +
                               static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(m_surface));
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, sizeof(pixel));
    return pixel & 0x00FFFFFFu;
}

void SBitmapSurface::SetPixels(const std::vector<uint32_t>& pixels) const {
    if (!m_surface || pixels.size() < static_cast<size_t>(m_width) * static_cast<size_t>(m_height)) return;
    cairo_surface_flush(m_surface);
    unsigned char* data = cairo_image_surface_get_data(m_surface);
    const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(m_surface));
    for (int32_t y = 0; y < m_height; ++y)
        std::memcpy(data + static_cast<size_t>(y) * stride, pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width),
                    static_cast<size_t>(m_width) * 4);
    cairo_surface_mark_dirty(m_surface);
}

BITMAP SBitmapSurface::GetDescription() const {
    BITMAP bitmap;
    bitmap.bmWidth = m_width;
    bitmap.bmHeight = m_height;
    bitmap.bmWidthBytes = static_cast<int32_t>(((static_cast<int64_t>(m_width) * 24 + 15) / 16) * 2);
    bitmap.bmPlanes = 1;
    bitmap.bmBitsPixel = 24;
    return bitmap;
}

int32_t SBitmapSurface::GetBits(int32_t size, void* buffer) const {
    if (!m_surface || size <= 0 || !buffer) return 0;
    const BITMAP bitmap = GetDescription();
    const int64_t total = static_cast<int64_t>(bitmap.bmWidthBytes) * m_height;
    const int64_t wanted = std::min<int64_t>(size, total);
    auto* out = static_cast<unsigned char*>(buffer);
    std::memset(out, 0, static_cast<size_t>(wanted));
    int64_t written = 0;
    for (int32_t y = 0; y < m_height && written < wanted; ++y) {
        for (int32_t x = 0; x < m_width; ++x) {
            const uint32_t pixel = GetPixel(x, y);
            const unsigned char bgr[3] = {static_cast<unsigned char>(pixel), static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel >> 16)};
            for (int32_t c = 0; c < 3; ++c) {
                const int64_t at = static_cast<int64_t>(y) * bitmap.bmWidthBytes + static_cast<int64_t>(x) * 3 + c;
                if (at < wanted) out[at] = bgr[c];
            }
        }
        written = static_cast<int64_t>(y + 1) * bitmap.bmWidthBytes;
    }
    return static_cast<int32_t>(wanted);
}
