#pragma once
// Reads a BMP file held in memory: the 14-byte file header, then a device-independent bitmap
// (SDibReader) whose bits start where the file header says.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/SImagePixels.h"

class SBmpReader {
public:
    static bool IsBmp(const uint8_t* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }
    // False for a file that is malformed, truncated or too large.
    static bool Decode(const uint8_t* data, size_t size, SImagePixels* out);
    // The size the header claims; false for a header that cannot be read.
    static bool ReadSize(const uint8_t* data, size_t size, int64_t* width, int64_t* height);
};
