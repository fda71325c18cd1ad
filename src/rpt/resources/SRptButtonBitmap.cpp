#include "rpt/resources/SRptButtonBitmap.h"

#include <cmath>

namespace {

struct Colour {
    uint8_t r, g, b;
};

constexpr Colour kFaceTop{236, 241, 248};
constexpr Colour kFaceBottom{196, 210, 230};
constexpr Colour kFrame{70, 90, 125};
constexpr Colour kSymbol{34, 58, 104};

// Whether p lies inside the triangle (a, b, c), on either winding.
bool InTriangle(double px, double py, double ax, double ay, double bx, double by, double cx, double cy) {
    auto side = [&](double x1, double y1, double x2, double y2) { return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2); };
    const double d1 = side(ax, ay, bx, by);
    const double d2 = side(bx, by, cx, cy);
    const double d3 = side(cx, cy, ax, ay);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

bool InBox(double x, double y, double left, double top, double right, double bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

bool SRptButtonBitmap::IsOnSymbol(uint32_t id, double x, double y) {
    const double cx = kWidth / 2.0;
    const double cy = kHeight / 2.0;
    switch (id) {
        case IDB_RPT_BTNHOME:
            // A roof over a house with a door left open.
            return InTriangle(x, y, cx - 14, cy - 1, cx + 14, cy - 1, cx, cy - 13) ||
                   (InBox(x, y, cx - 10, cy - 1, cx + 10, cy + 12) && !InBox(x, y, cx - 3, cy + 4, cx + 3, cy + 12));
        case IDB_RPT_BTNPREV:
            return InTriangle(x, y, cx - 16, cy, cx - 2, cy - 11, cx - 2, cy + 11) ||
                   InBox(x, y, cx - 3, cy - 4, cx + 16, cy + 4);
        case IDB_RPT_BTNNEXT:
            return InTriangle(x, y, cx + 16, cy, cx + 2, cy - 11, cx + 2, cy + 11) ||
                   InBox(x, y, cx - 16, cy - 4, cx + 3, cy + 4);
        default: return false;
    }
}

std::vector<uint8_t> SRptButtonBitmap::Load(uint32_t id) {
    if (id != IDB_RPT_BTNHOME && id != IDB_RPT_BTNPREV && id != IDB_RPT_BTNNEXT) return {};
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * 3);
    for (int32_t y = 0; y < kHeight; ++y) {
        const double t = static_cast<double>(y) / (kHeight - 1);
        for (int32_t x = 0; x < kWidth; ++x) {
            Colour colour{static_cast<uint8_t>(std::lround(kFaceTop.r + (kFaceBottom.r - kFaceTop.r) * t)),
                          static_cast<uint8_t>(std::lround(kFaceTop.g + (kFaceBottom.g - kFaceTop.g) * t)),
                          static_cast<uint8_t>(std::lround(kFaceTop.b + (kFaceBottom.b - kFaceTop.b) * t))};
            const bool frame = x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1;
            if (frame) colour = kFrame;
            else if (IsOnSymbol(id, x + 0.5, y + 0.5)) colour = kSymbol;
            uint8_t* pixel = &pixels[(static_cast<size_t>(y) * kWidth + x) * 3];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
        }
    }
    return pixels;
}
