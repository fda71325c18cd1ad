#pragma once
// The metrics of a font as selected into a device context, in that context's logical units.
#include <cstdint>

// Bits of tmPitchAndFamily below the family nibble. TMPF_FIXED_PITCH set means a variable pitch.
inline constexpr uint8_t TMPF_FIXED_PITCH = 0x01;
inline constexpr uint8_t TMPF_VECTOR = 0x02;
inline constexpr uint8_t TMPF_TRUETYPE = 0x04;

struct TEXTMETRICA {
    int32_t tmHeight = 0;  // tmAscent + tmDescent
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;  // tmHeight less the character height
    int32_t tmExternalLeading = 0;  // extra space the font designer wants between lines
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;
    int32_t tmDigitizedAspectX = 0;
    int32_t tmDigitizedAspectY = 0;
    uint8_t tmFirstChar = 0;
    uint8_t tmLastChar = 0;
    uint8_t tmDefaultChar = 0;
    uint8_t tmBreakChar = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;

    friend bool operator==(const TEXTMETRICA&, const TEXTMETRICA&) = default;
};
