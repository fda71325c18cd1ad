#pragma once
// Sizes on either side of the picture limit, for the tests of every output: pictures of exactly
// the limit and of one pixel more, and the room whose page images have those sizes.
#include <cstdint>
#include <string>

#include "platform/gdi/GdiDefs.h"

struct STestPictureLimit {
    // 8192 x 4096 pixels are the limit (2^25), 8283 x 4051 one pixel more (3 x 11 x 251 x 4051).
    static constexpr SIZE kAtLimit{8192, 4096};
    static constexpr SIZE kOverLimit{8283, 4051};

    // PNG files of one colour of those sizes, a few kilobytes each.
    static std::string AtLimitFile() { return std::string(VAROD9_TEST_DATA) + "/pictures/limit-8192x4096.png"; }
    static std::string OverLimitFile() { return std::string(VAROD9_TEST_DATA) + "/pictures/over-limit-8283x4051.png"; }

    // The room (hundredths of a millimetre) whose page images, `allowance` larger each way, have
    // `pixels` at the screen's 96 pixels an inch: the least size that makes so many.
    static SSize RoomFor(SIZE pixels, int32_t allowance) {
        return SSize{static_cast<int32_t>((int64_t{pixels.cx} * 2540 + 95) / 96) - allowance,
                     static_cast<int32_t>((int64_t{pixels.cy} * 2540 + 95) / 96) - allowance};
    }
};
