#pragma once
// The device context of a window. There are no windows on this platform's screen yet, so a
// window device context is always that of the whole screen: 1920 × 1440 pixels at 96 dpi,
// 508 × 381 mm.
#include "platform/gdi/SDC.h"

class SWindowDC : public SDC {
public:
    static constexpr int32_t kScreenWidth = 1920;
    static constexpr int32_t kScreenHeight = 1440;
    static constexpr int32_t kScreenPixelsPerInch = 96;

    SWindowDC();
};
