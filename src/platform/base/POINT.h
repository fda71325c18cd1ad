#pragma once
// A point in logical units (x to the right, y downwards), as the platform's drawing calls take it.
#include <cstdint>

struct POINT {
    int32_t x = 0;
    int32_t y = 0;

    friend constexpr bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
};
