#pragma once
// What the cairo back ends share: text, rectangles, shapes and images painted through a cairo
// context on the back end's surface, clipped to the device rectangle in force. A back end says
// how a context is made (its surface, and the scale from device pixels to the surface's units).
#include <optional>

#include "platform/gdi/SDCBackEnd.h"

typedef struct _cairo cairo_t;

class SCairoBackEnd : public SDCBackEnd {
public:
    bool DrawText(const STextRun& run) override;
    bool FillRect(const RECT& rect, COLORREF colour) override;
    bool DrawShape(const SShape& shape) override;
    bool DrawImage(const SImageRun& image) override;
    void SetClip(const RECT* clip) override;

protected:
    // A context in device pixels on the surface, not yet clipped; null when there is no surface
    // to draw on now.
    virtual cairo_t* NewSurfaceContext() const = 0;
    // The surface's context clipped to the device clip; null when there is no surface.
    cairo_t* NewContext() const;

private:
    std::optional<RECT> m_clip;
};
