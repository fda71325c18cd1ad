#include "platform/base/SOutputStream.h"

void SOutputStream::WriteByte(uint8_t value) {
    Write(&value, 1);
}

void SOutputStream::WriteUInt16(uint16_t value) {
    uint8_t b[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    Write(b, sizeof b);
}

void SOutputStream::WriteUInt32(uint32_t value) {
    uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
                    static_cast<uint8_t>(value >> 24)};
    Write(b, sizeof b);
}
