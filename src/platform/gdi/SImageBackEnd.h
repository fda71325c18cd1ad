#pragma once
// A back end over a cairo image surface (24-bit colour), white until something is drawn: the
// screen, bitmaps and preview pages. The pixels are only allocated at the first drawing or
// reading, so a device context that only measures (the screen) costs nothing. A memory back end
// draws on the bitmap selected into it and keeps the capabilities of its reference device.
#include <memory>

#include "platform/base/SString.h"
#include "platform/gdi/SCairoBackEnd.h"

typedef struct _cairo_surface cairo_surface_t;

class SImageBackEnd : public SCairoBackEnd {
public:
    SImageBackEnd(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY,
                  int32_t technology = DT_RASDISPLAY);
    // A memory back end compatible with a device of these capabilities, with no bitmap yet.
    explicit SImageBackEnd(const SDeviceCaps& reference);
    ~SImageBackEnd() override;
    SImageBackEnd(const SImageBackEnd&) = delete;
    SImageBackEnd& operator=(const SImageBackEnd&) = delete;

    const SDeviceCaps& GetCaps() const override { return m_caps; }
    COLORREF GetPixel(int32_t x, int32_t y) const override;

    bool IsMemory() const { return m_memory; }
    // Memory back ends: draws on `bitmap` from now on (null: nothing); answers the previous one.
    std::shared_ptr<const SBitmapSurface> SelectBitmap(std::shared_ptr<const SBitmapSurface> bitmap);
    const std::shared_ptr<const SBitmapSurface>& GetBitmap() const { return m_bitmap; }

    // The surface, made on first use; null when it cannot be made (a page beyond the picture
    // limit of SImagePixels) or when a memory back end has no bitmap.
    cairo_surface_t* GetSurface() const;

    // Writes the pixels as a PNG file (a preview page kept as a picture), through the platform's
    // file stream, so that a failed save leaves the target as it was. Throws SEIOException with
    // the path when there are no pixels or the file cannot be written.
    void SaveAsPng(const SString& path) const;

protected:
    cairo_t* NewSurfaceContext() const override;

private:
    SDeviceCaps m_caps;
    bool m_memory = false;
    std::shared_ptr<const SBitmapSurface> m_bitmap;
    mutable cairo_surface_t* m_surface = nullptr;
};
