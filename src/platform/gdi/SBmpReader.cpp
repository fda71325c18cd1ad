#include "platform/gdi/SBmpReader.h"

#include "platform/gdi/SDibReader.h"
#include "platform/gdi/SEmfFormat.h"

bool SBmpReader::Decode(const uint8_t* data, size_t size, SImagePixels* out) {
    constexpr size_t kFileHeader = 14;
    if (!data || !IsBmp(data, size) || size < kFileHeader + 12) return false;
    const SEmfFormat::View file(data, size);
    uint32_t bitsOffset = 0;
    if (!file.Get32(10, &bitsOffset) || bitsOffset <= kFileHeader || bitsOffset >= size) return false;
    return SDibReader::Decode(data + kFileHeader, bitsOffset - kFileHeader, data + bitsOffset, size - bitsOffset, out);
}
