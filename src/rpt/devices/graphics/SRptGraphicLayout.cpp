#include "rpt/devices/graphics/SRptGraphicLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/MulDiv.h"

namespace {

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

SSize SRptGraphicLayout::FitInIntegers(SSize size, SSize area) {
    int64_t cx = size.cx, cy = size.cy;
    if (cx > area.cx && cx > 0) {
        cy = cy * area.cx / cx;
        cx = area.cx;
    }
    if (cy > area.cy && cy > 0) {
        cx = cx * area.cy / cy;
        cy = area.cy;
    }
    return SSize{ToInt32(cx), ToInt32(cy)};
}

SSize SRptGraphicLayout::FitByRatio(SSize size, SSize area) {
    if (size.cx <= 0 || size.cy <= 0) return size;
    const double w0 = std::min(size.cx, area.cx);
    const double h0 = std::min(size.cy, area.cy);
    const double r = std::min(w0 / size.cx, h0 / size.cy);
    if (r >= 1.0) return size;
    return SSize{static_cast<int32_t>(std::min<double>(size.cx * r, area.cx)),
                 static_cast<int32_t>(std::min<double>(size.cy * r, area.cy))};
}

std::vector<SRptPictureTile> SRptGraphicLayout::UserGraphicTiles(SSize drawing, SSize area, bool useZoom,
                                                                 int32_t onePageType, int32_t zoomPerct) {
    std::vector<SRptPictureTile> tiles;
    const int32_t aw = area.cx, ah = area.cy, w = drawing.cx, h = drawing.cy;
    if (aw <= 0 || ah <= 0 || w <= 0 || h <= 0) return tiles;
    if (!useZoom) {
        const int32_t fw = std::min(w, aw), fh = std::min(h, ah);
        const double r = std::min(static_cast<double>(fw) / w, static_cast<double>(fh) / h);
        int32_t tw = fw, th = fh;
        if (r < 1) {
            tw = std::min(static_cast<int32_t>(w * r), aw);
            th = std::min(static_cast<int32_t>(h * r), ah);
        }
        if (onePageType == 2) {
            const int32_t left = (aw - tw) / 2, top = (ah - th) / 2;
            tiles.push_back({RECT{left, top, left + tw, top + th}, SSize{aw, ah}});
        } else {
            tiles.push_back({RECT{0, 0, tw, th}, SSize{tw, th}});
        }
        return tiles;
    }
    const int32_t zw = MulDiv(w, zoomPerct, 100), zh = MulDiv(h, zoomPerct, 100);
    if (zw <= 0 || zh <= 0) return tiles;
    const int64_t nx = zw / aw + 1, ny = zh / ah + 1;
    if (nx * ny > kMaxTiles) return tiles;
    const int64_t offsetX = (nx * aw - zw) / 2, offsetY = (ny * ah - zh) / 2;
    for (int64_t r = 0; r < ny; ++r) {
        for (int64_t c = 0; c < nx; ++c) {
            const int64_t dx = offsetX - c * aw, dy = offsetY - r * ah;
            tiles.push_back({RECT{ToInt32(dx), ToInt32(dy), ToInt32(dx + zw), ToInt32(dy + zh)}, SSize{aw, ah}});
        }
    }
    return tiles;
}

