#pragma once
// A sink of bytes. Write takes every byte or throws SEIOException; nothing is dropped silently.
// Close makes what was written final (for a file: complete on disk under its name).
#include <cstddef>
#include <cstdint>

#include "platform/base/SString.h"

class SOutputStream {
public:
    SOutputStream() = default;
    SOutputStream(const SOutputStream&) = delete;
    SOutputStream& operator=(const SOutputStream&) = delete;
    virtual ~SOutputStream() = default;

    virtual void Write(const void* data, size_t count) = 0;
    // Hands what is held in buffers on to the stream below.
    virtual void Flush() {}
    virtual void Close() { Flush(); }
    // Number of bytes written so far.
    virtual int64_t GetPosition() const = 0;
    // The file behind the stream, for messages; empty for a stream in memory.
    virtual SString GetName() const { return SString(); }

    void WriteByte(uint8_t value);
    void WriteUInt16(uint16_t value);
    void WriteInt16(int16_t value) { WriteUInt16(static_cast<uint16_t>(value)); }
    void WriteUInt32(uint32_t value);
    void WriteInt32(int32_t value) { WriteUInt32(static_cast<uint32_t>(value)); }
    // The text's bytes, without a terminator.
    void WriteString(const SString& text) { Write(text.c_str(), static_cast<size_t>(text.GetLength())); }
    SOutputStream& operator<<(const SString& text) {
        WriteString(text);
        return *this;
    }
};
