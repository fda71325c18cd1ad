#include "platform/gdi/SBmpReader.h"

#include "platform/gdi/SDibReader.h"
#include "platform/gdi/SEmfFormat.h"

namespace {

constexpr size_t kFileHeader = 14;

// Where the bits begin, after the file header and the bitmap's header; false for a file too short
// to hold both or whose bits would begin outside it.
bool ReadBitsOffset(const uint8_t* data, size_t size, uint32_t* bitsOffset) {
    if (!data || !SBmpReader::IsBmp(data, size) || size < kFileHeader + 12) return false;
    const SEmfFormat::View file(data, size);
    return file.Get32(10, bitsOffset) && *bitsOffset > kFileHeader && *bitsOffset < size;
}

}  // namespace

bool SBmpReader::Decode(const uint8_t* data, size_t size, SImagePixels* out) {
    uint32_t bitsOffset = 0;
    if (!ReadBitsOffset(data, size, &bitsOffset)) return false;
    return SDibReader::Decode(data + kFileHeader, bitsOffset - kFileHeader, data + bitsOffset, size - bitsOffset, out);
}

bool SBmpReader::ReadSize(const uint8_t* data, size_t size, int64_t* width, int64_t* height) {
    uint32_t bitsOffset = 0;
    if (!ReadBitsOffset(data, size, &bitsOffset)) return false;
    return SDibReader::ReadSize(data + kFileHeader, bitsOffset - kFileHeader, width, height);
}
