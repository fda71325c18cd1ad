#pragma once
// Reads a PNG file held in memory with libpng, as 8-bit RGB (palettes, grey, alpha and 16-bit
// samples converted; alpha blended on white). The size is checked before any row is allocated.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/SImagePixels.h"

class SPngReader {
public:
    static bool IsPng(const uint8_t* data, size_t size);
    // False for a file that is malformed, truncated or too large.
    static bool Decode(const uint8_t* data, size_t size, SImagePixels* out);
    // The size the header claims, from the file's first kHeadBytes bytes; false for a header that
    // cannot be read.
    static bool ReadSize(const uint8_t* data, size_t size, int64_t* width, int64_t* height);

    // The signature and the header chunk's length, type, width and height.
    static constexpr size_t kHeadBytes = 24;
};
