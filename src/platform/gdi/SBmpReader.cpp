#include "platform/gdi/SBmpReader.h"

#include <algorithm>

#include "platform/base/SInputStream.h"
#include "platform/gdi/SDibReader.h"
#include "platform/gdi/SEmfFormat.h"

namespace {

constexpr size_t kFileHeader = 14;

// Where the bits begin, after the file header and the bitmap's header; false for a file too short
// to hold both or whose bits would begin in the file header. Whether they begin inside the file
// is the caller's to tell.
bool ReadBitsOffset(const uint8_t* data, size_t size, uint32_t* bitsOffset) {
    if (!data || !SBmpReader::IsBmp(data, size) || size < kFileHeader + 12) return false;
    const SEmfFormat::View file(data, size);
    return file.Get32(10, bitsOffset) && *bitsOffset > kFileHeader;
}

// Passes over `count` bytes of the stream; false when it ends first.
bool Skip(SInputStream& stream, uint64_t count) {
    char chunk[8192];
    while (count > 0) {
        const size_t got = stream.Read(chunk, static_cast<size_t>(std::min<uint64_t>(count, sizeof chunk)));
        if (got == 0) return false;
        count -= got;
    }
    return true;
}

}  // namespace

bool SBmpReader::Decode(const uint8_t* data, size_t size, SImagePixels* out) {
    uint32_t bitsOffset = 0;
    if (!ReadBitsOffset(data, size, &bitsOffset) || bitsOffset >= size) return false;
    return SDibReader::Decode(data + kFileHeader, bitsOffset - kFileHeader, data + bitsOffset, size - bitsOffset, out);
}

bool SBmpReader::ReadSize(const uint8_t* head, size_t headSize, SInputStream& rest, int64_t* width, int64_t* height) {
    uint32_t bitsOffset = 0;
    if (!ReadBitsOffset(head, headSize, &bitsOffset)) return false;
    // The bits must begin inside the file: past the head, the stream is passed over up to them.
    if (bitsOffset >= headSize && !Skip(rest, uint64_t{bitsOffset} - headSize + 1)) return false;
    const size_t extent = bitsOffset - kFileHeader;
    return SDibReader::ReadSize(head + kFileHeader, std::min(headSize - kFileHeader, extent), extent, width, height);
}
