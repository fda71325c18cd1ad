#include "platform/gdi/SImagePixels.h"

#include "platform/gdi/SBitmapSurface.h"

bool SImagePixels::Allocate(int32_t w, int32_t h) {
    if (w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > SBitmapSurface::kMaxPixels) return false;
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0xFFFFFFu);
    return true;
}
