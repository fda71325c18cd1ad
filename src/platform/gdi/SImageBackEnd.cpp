#include "platform/gdi/SImageBackEnd.h"

#include <cairo.h>

#include <cstring>

#include "platform/base/SEIOException.h"
#include "platform/base/SOutputFile.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SCairoStreamWriter.h"
#include "platform/gdi/SImagePixels.h"

SImageBackEnd::SImageBackEnd(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY, int32_t technology)
    : m_caps(SDeviceCaps::ForRaster(width, height, logPixelsX, logPixelsY, technology)) {}

SImageBackEnd::SImageBackEnd(const SDeviceCaps& reference) : m_caps(reference), m_memory(true) {}

SImageBackEnd::~SImageBackEnd() {
    DropContext();
    if (m_surface) cairo_surface_destroy(m_surface);
}

std::shared_ptr<const SBitmapSurface> SImageBackEnd::SelectBitmap(std::shared_ptr<const SBitmapSurface> bitmap) {
    // Drawing goes to the new bitmap's surface from now on.
    DropContext();
    std::shared_ptr<const SBitmapSurface> previous = std::move(m_bitmap);
    m_bitmap = std::move(bitmap);
    return previous;
}

cairo_surface_t* SImageBackEnd::GetSurface() const {
    if (m_memory) return m_bitmap ? m_bitmap->GetSurface() : nullptr;
    if (m_surface) return m_surface;
    // A page drawn as pixels is a picture, and is held only within the same limit.
    if (!SImagePixels::IsReadableSize(m_caps.horzRes, m_caps.vertRes)) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_caps.horzRes, m_caps.vertRes);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    m_surface = surface;
    cairo_t* white = cairo_create(m_surface);
    cairo_set_source_rgb(white, 1, 1, 1);
    cairo_paint(white);
    cairo_destroy(white);
    return m_surface;
}

COLORREF SImageBackEnd::GetPixel(int32_t x, int32_t y) const {
    cairo_surface_t* surface = GetSurface();
    if (!surface || x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
        y >= cairo_image_surface_get_height(surface))
        return CLR_INVALID;
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(surface));
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, sizeof(pixel));  // native-endian 0x00RRGGBB
    return RGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel));
}

cairo_t* SImageBackEnd::NewSurfaceContext() const {
    cairo_surface_t* surface = GetSurface();
    return surface ? cairo_create(surface) : nullptr;
}

void SImageBackEnd::SaveAsPng(const SString& path) const {
    cairo_surface_t* surface = GetSurface();
    if (!surface) throw SEIOException("There is no picture to save.", SEIOException::generic, path);
    cairo_surface_flush(surface);
    SOutputFile file(path);
    SCairoStreamWriter writer(file);
    const cairo_status_t status =
        cairo_surface_write_to_png_stream(surface, &SCairoStreamWriter::Write, &writer);
    writer.Rethrow();
    if (status != CAIRO_STATUS_SUCCESS)
        throw SEIOException("The picture cannot be encoded as PNG.", SEIOException::badFormat, path);
    file.Close();
}
