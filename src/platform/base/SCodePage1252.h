#pragma once
// Windows-1252, the code page of RTF's "\ansi" documents and of most 8-bit text files: its bytes
// 0x80 to 0x9F hold typographic characters (the euro sign, quotes, dashes ...); the others are
// the Latin-1 code points of the same value.
#include <cstdint>

class SCodePage1252 {
public:
    // The code point of a byte; U+FFFD for the five bytes the code page leaves undefined.
    static uint32_t ToUnicode(uint8_t byte);
    // The byte of a code point, or 0 when the code page has none.
    static uint8_t FromUnicode(uint32_t codePoint);
};
