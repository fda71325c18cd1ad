#pragma once
// The device context of the whole screen. The drawing back end comes with the graphics layer;
// until then it only knows its resolution.
#include <cstdint>

class SScreenDC {
public:
    SScreenDC() = default;
    int32_t GetLogPixelsX() const { return 96; }
    int32_t GetLogPixelsY() const { return 96; }
};
