#include "platform/gdi/SDeviceCaps.h"

namespace {

// Pixels to whole millimetres, rounded.
int32_t Millimetres(int32_t pixels, int32_t pixelsPerInch) {
    if (pixels <= 0 || pixelsPerInch <= 0) return 0;
    const int64_t perInch = pixelsPerInch;
    return static_cast<int32_t>((static_cast<int64_t>(pixels) * 254 + perInch * 5) / (perInch * 10));
}

}  // namespace

SDeviceCaps SDeviceCaps::ForRaster(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY,
                                   int32_t technology) {
    SDeviceCaps caps;
    caps.technology = technology;
    caps.horzRes = width;
    caps.vertRes = height;
    caps.logPixelsX = logPixelsX;
    caps.logPixelsY = logPixelsY;
    caps.horzSize = Millimetres(width, logPixelsX);
    caps.vertSize = Millimetres(height, logPixelsY);
    return caps;
}

int32_t SDeviceCaps::Get(int32_t index) const {
    switch (index) {
    case TECHNOLOGY: return technology;
    case HORZSIZE: return horzSize;
    case VERTSIZE: return vertSize;
    case HORZRES: return horzRes;
    case VERTRES: return vertRes;
    case BITSPIXEL: return bitsPixel;
    case PLANES: return planes;
    case LOGPIXELSX: return logPixelsX;
    case LOGPIXELSY: return logPixelsY;
    case PHYSICALWIDTH: return physicalWidth;
    case PHYSICALHEIGHT: return physicalHeight;
    case PHYSICALOFFSETX: return physicalOffsetX;
    case PHYSICALOFFSETY: return physicalOffsetY;
    default: return 0;
    }
}
