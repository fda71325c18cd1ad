#include "platform/gdi/SImagePixels.h"

bool SImagePixels::Allocate(int32_t w, int32_t h) {
    if (!IsReadableSize(w, h)) return false;
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0xFFFFFFu);
    return true;
}
