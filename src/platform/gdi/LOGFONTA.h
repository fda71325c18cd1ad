#pragma once
// The description of a logical font, field for field as the system's callers fill it. The face
// name is a fixed field of 32 bytes: at most 31 characters and a terminating zero.
#include <cstdint>
#include <string_view>

#include "platform/base/SString.h"

inline constexpr int32_t LF_FACESIZE = 32;

// Weights.
inline constexpr int32_t FW_DONTCARE = 0;
inline constexpr int32_t FW_THIN = 100;
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_SEMIBOLD = 600;
inline constexpr int32_t FW_BOLD = 700;

// Character sets.
inline constexpr uint8_t ANSI_CHARSET = 0;
inline constexpr uint8_t DEFAULT_CHARSET = 1;
inline constexpr uint8_t SYMBOL_CHARSET = 2;

// Precision and quality.
inline constexpr uint8_t OUT_DEFAULT_PRECIS = 0;
inline constexpr uint8_t OUT_DEVICE_PRECIS = 5;
inline constexpr uint8_t CLIP_DEFAULT_PRECIS = 0;
inline constexpr uint8_t DEFAULT_QUALITY = 0;
inline constexpr uint8_t PROOF_QUALITY = 2;

// Pitch (low two bits) and family (high nibble) of lfPitchAndFamily.
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;
inline constexpr uint8_t FF_DONTCARE = 0x00;
inline constexpr uint8_t FF_ROMAN = 0x10;
inline constexpr uint8_t FF_SWISS = 0x20;
inline constexpr uint8_t FF_MODERN = 0x30;
inline constexpr uint8_t FF_SCRIPT = 0x40;
inline constexpr uint8_t FF_DECORATIVE = 0x50;

struct LOGFONTA {
    int32_t lfHeight = 0;  // < 0 character height, > 0 cell height, 0 default; logical units
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};

    // Stores at most 31 characters of `name` that also fit in 31 bytes, never cutting a UTF-8
    // sequence, and zero-fills the rest of the field.
    void SetFaceName(std::string_view name);
    // The face name up to its terminating zero; never reads past the field, even when a record
    // from outside has no zero in it.
    SString GetFaceName() const;

    friend bool operator==(const LOGFONTA&, const LOGFONTA&) = default;
};
