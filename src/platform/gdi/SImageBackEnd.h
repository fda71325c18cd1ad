#pragma once
// A back end over a cairo image surface (24-bit colour), white until something is drawn: the
// screen, bitmaps and preview pages. The pixels are only allocated at the first drawing or
// reading, so a device context that only measures (the screen) costs nothing. A memory back end
// draws on the bitmap selected into it and keeps the capabilities of its reference device.
#include <memory>
#include <optional>

#include "platform/gdi/SDCBackEnd.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

class SImageBackEnd : public SDCBackEnd {
public:
    SImageBackEnd(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY,
                  int32_t technology = DT_RASDISPLAY);
    // A memory back end compatible with a device of these capabilities, with no bitmap yet.
    explicit SImageBackEnd(const SDeviceCaps& reference);
    ~SImageBackEnd() override;
    SImageBackEnd(const SImageBackEnd&) = delete;
    SImageBackEnd& operator=(const SImageBackEnd&) = delete;

    const SDeviceCaps& GetCaps() const override { return m_caps; }
    bool DrawText(const STextRun& run) override;
    bool FillRect(const RECT& rect, COLORREF colour) override;
    COLORREF GetPixel(int32_t x, int32_t y) const override;
    bool DrawShape(const SShape& shape) override;
    bool DrawImage(const SImageRun& image) override;
    void SetClip(const RECT* clip) override;

    bool IsMemory() const { return m_memory; }
    // Memory back ends: draws on `bitmap` from now on (null: nothing); answers the previous one.
    std::shared_ptr<const SBitmapSurface> SelectBitmap(std::shared_ptr<const SBitmapSurface> bitmap);
    const std::shared_ptr<const SBitmapSurface>& GetBitmap() const { return m_bitmap; }

    // The surface, made on first use; null when it cannot be made (more than kMaxPixels, or a
    // size beyond cairo's limits) or when a memory back end has no bitmap.
    cairo_surface_t* GetSurface() const;
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;

private:
    // A drawing context on the surface, clipped; null when there is no surface.
    cairo_t* NewContext() const;

    SDeviceCaps m_caps;
    bool m_memory = false;
    std::shared_ptr<const SBitmapSurface> m_bitmap;
    std::optional<RECT> m_clip;
    mutable cairo_surface_t* m_surface = nullptr;
};
