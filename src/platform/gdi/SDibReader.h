#pragma once
// Decodes a device-independent bitmap: its information header (core, 40-byte or a later
// version), its colour table and its bits, as a BMP file and a metafile's bitmap records hold
// them. Uncompressed 1, 4, 8, 24 and 32 bits per pixel and 16/32-bit bit fields are read;
// run-length and embedded compressions are refused. Every size is checked against the bytes
// given before anything is allocated.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/SImagePixels.h"

class SDibReader {
public:
    // `info` holds the header and the colour table; `bits` the rows. False for anything
    // malformed, truncated or too large.
    static bool Decode(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize, SImagePixels* out);
    // The size the header claims; false for a header that cannot be read. `info` holds the
    // header's first `infoSize` bytes: all of its `extent` (the header and its colour table), or
    // at least kHeaderBytes, all that is read of it; the rest is only measured against `extent`.
    static bool ReadSize(const uint8_t* info, size_t infoSize, size_t extent, int64_t* width, int64_t* height);

    // The bytes of a header that hold every field read, bit-field masks included.
    static constexpr size_t kHeaderBytes = 64;
};
