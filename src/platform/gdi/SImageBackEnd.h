#pragma once
// A back end over a cairo image surface (24-bit colour), white until something is drawn: the
// screen, bitmaps and preview pages. The pixels are only allocated at the first drawing or
// reading, so a device context that only measures (the screen) costs nothing.
#include "platform/gdi/SDCBackEnd.h"

typedef struct _cairo_surface cairo_surface_t;

class SImageBackEnd : public SDCBackEnd {
public:
    SImageBackEnd(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY,
                  int32_t technology = DT_RASDISPLAY);
    ~SImageBackEnd() override;
    SImageBackEnd(const SImageBackEnd&) = delete;
    SImageBackEnd& operator=(const SImageBackEnd&) = delete;

    const SDeviceCaps& GetCaps() const override { return m_caps; }
    bool DrawText(const STextRun& run) override;
    bool FillRect(const RECT& rect, COLORREF colour) override;
    COLORREF GetPixel(int32_t x, int32_t y) const override;

    // The surface, made on first use; null when it cannot be made (more than kMaxPixels, or a
    // size beyond cairo's limits).
    cairo_surface_t* GetSurface() const;
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;

private:
    SDeviceCaps m_caps;
    mutable cairo_surface_t* m_surface = nullptr;
};
