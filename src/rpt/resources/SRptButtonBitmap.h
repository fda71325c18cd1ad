#pragma once
// The library's navigation button bitmaps (Home, Previous, Next of HTML page sets): 101 by 36
// pixels each, drawn from a few shapes rather than kept as image files, so that they are ours
// and the same on every build.
#include <cstdint>
#include <vector>

inline constexpr uint32_t IDB_RPT_BTNHOME = 409;
inline constexpr uint32_t IDB_RPT_BTNPREV = 410;
inline constexpr uint32_t IDB_RPT_BTNNEXT = 411;

class SRptButtonBitmap {
public:
    static constexpr int32_t kWidth = 101;
    static constexpr int32_t kHeight = 36;

    // Red, green, blue bytes, rows top to bottom; empty for an id that is no button.
    static std::vector<uint8_t> Load(uint32_t id);

private:
    // Whether the point (x, y) lies on the button's symbol.
    static bool IsOnSymbol(uint32_t id, double x, double y);
};
