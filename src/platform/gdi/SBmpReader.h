#pragma once
// Reads a BMP file held in memory: the 14-byte file header, then a device-independent bitmap
// (SDibReader) whose bits start where the file header says.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/SDibReader.h"
#include "platform/gdi/SImagePixels.h"

class SInputStream;

class SBmpReader {
public:
    static bool IsBmp(const uint8_t* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }
    // False for a file that is malformed, truncated or too large.
    static bool Decode(const uint8_t* data, size_t size, SImagePixels* out);
    // The size the header claims; false for a header that cannot be read or bits that would
    // begin beyond the file. `head` holds the file's first kHeadBytes bytes (fewer only when
    // the file is shorter), `rest` the rest of it, which is read no further than the bits' first
    // byte, and only to learn that it is there. A stream that fails throws SEIOException.
    static bool ReadSize(const uint8_t* head, size_t headSize, SInputStream& rest, int64_t* width, int64_t* height);

    // The file header and as much of the bitmap's header as its size is read from.
    static constexpr size_t kHeadBytes = 14 + SDibReader::kHeaderBytes;
};
