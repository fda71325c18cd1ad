#include "platform/base/SInputStream.h"

#include "platform/base/SEIOException.h"

void SInputStream::ReadExactly(void* buffer, size_t count) {
    size_t got = Read(buffer, count);
    if (got != count) throw SEIOException("Unexpected end of file", SEIOException::endOfFile, GetName());
}

uint8_t SInputStream::ReadByte() {
    uint8_t byte = 0;
    ReadExactly(&byte, 1);
    return byte;
}

uint16_t SInputStream::ReadUInt16() {
    uint8_t b[2];
    ReadExactly(b, sizeof b);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

int16_t SInputStream::ReadInt16() {
    return static_cast<int16_t>(ReadUInt16());
}

uint32_t SInputStream::ReadUInt32() {
    uint8_t b[4];
    ReadExactly(b, sizeof b);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
           (static_cast<uint32_t>(b[3]) << 24);
}

int32_t SInputStream::ReadInt32() {
    return static_cast<int32_t>(ReadUInt32());
}

std::string SInputStream::ReadAll(size_t maxBytes) {
    std::string all;
    char chunk[8192];
    for (;;) {
        size_t got = Read(chunk, sizeof chunk);
        if (got == 0) return all;
        if (got > maxBytes - all.size())
            throw SEIOException("File too large", SEIOException::badFormat, GetName());
        all.append(chunk, got);
    }
}
