#pragma once
// The resource behind a bitmap handle: 24-bit pixels in a cairo image surface, which a memory
// device context draws on while the bitmap is selected into it, and the bitmap's dimension
// (tenths of a millimetre), which only its owner sets.
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiResource.h"

typedef struct _cairo_surface cairo_surface_t;

class SBitmapSurface : public SGdiResource {
public:
    // A white bitmap; no pixels (and IsValid false) for a size of 0 or less or beyond the picture
    // limit (SImagePixels).
    SBitmapSurface(int32_t width, int32_t height);
    ~SBitmapSurface() override;
    SBitmapSurface(const SBitmapSurface&) = delete;
    SBitmapSurface& operator=(const SBitmapSurface&) = delete;

    uint32_t GetObjectType() const override { return OBJ_BITMAP; }
    bool IsValid() const { return m_surface != nullptr; }
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    // The pixels, drawn on through cairo by the device context that selected the bitmap.
    cairo_surface_t* GetSurface() const { return m_surface; }

    // 0x00RRGGBB of a pixel inside the bitmap.
    uint32_t GetPixel(int32_t x, int32_t y) const;
    // Rows top down, 0x00RRGGBB; `pixels` holds width × height values.
    void SetPixels(const std::vector<uint32_t>& pixels) const;

    // The description: 24 bits per pixel, one plane, rows padded to an even number of bytes.
    BITMAP GetDescription() const;
    // The bits as GetBitmapBits gives them: rows top down, blue, green, red, each row padded to
    // the description's width in bytes. Copies at most `size` bytes; answers the number copied.
    int32_t GetBits(int32_t size, void* buffer) const;

    SIZE GetDimension() const { return m_dimension; }
    void SetDimension(SIZE dimension) const { m_dimension = dimension; }

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    cairo_surface_t* m_surface = nullptr;
    mutable SIZE m_dimension;
};
