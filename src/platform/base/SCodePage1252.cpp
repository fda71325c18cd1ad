#include "platform/base/SCodePage1252.h"

#include <array>

namespace {

// The code points of bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

uint32_t SCodePage1252::ToUnicode(uint8_t byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const uint16_t codePoint = kHighControls[byte - 0x80];
    return codePoint ? codePoint : 0xFFFD;
}

uint8_t SCodePage1252::FromUnicode(uint32_t codePoint) {
    if (codePoint < 0x80) return static_cast<uint8_t>(codePoint);
    if (codePoint >= 0xA0 && codePoint <= 0xFF) return static_cast<uint8_t>(codePoint);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint) return static_cast<uint8_t>(0x80 + i);
    return 0;
}
