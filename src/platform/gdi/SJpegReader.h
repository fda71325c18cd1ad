#pragma once
// Reads a JPEG file held in memory with libjpeg, as 8-bit RGB. The size is checked before any
// row is allocated, and a progressive file is allowed a bounded number of scans.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/SImagePixels.h"

class SInputStream;

class SJpegReader {
public:
    static bool IsJpeg(const uint8_t* data, size_t size) {
        return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
    }
    // False for a file that is malformed, truncated or too large.
    static bool Decode(const uint8_t* data, size_t size, SImagePixels* out);
    // The size the header claims; false for a header that cannot be read, or a stream that
    // fails. `head` holds the file's first bytes, `rest` the rest of it, read only as far as the
    // header goes.
    static bool ReadSize(const uint8_t* head, size_t headSize, SInputStream& rest, int64_t* width, int64_t* height);

    static constexpr int kMaxScans = 256;
};
