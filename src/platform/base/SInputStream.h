#pragma once
// A source of bytes. Read answers short counts only at the end, and a source that fails throws
// SEIOException; the exact reads (ReadExactly, ReadByte and the little-endian integers) throw
// SEIOException with the cause endOfFile when the stream ends first, so that a truncated input
// never passes for a complete one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/SEIOException.h"
#include "platform/base/SString.h"

class SInputStream {
public:
    SInputStream() = default;
    SInputStream(const SInputStream&) = delete;
    SInputStream& operator=(const SInputStream&) = delete;
    virtual ~SInputStream() = default;

    // Reads up to `count` bytes into `buffer`; answers the number read, fewer than `count`
    // only when the stream has ended (0 once it has).
    virtual size_t Read(void* buffer, size_t count) = 0;
    // True when no byte is left.
    virtual bool IsEOF() = 0;
    // Number of bytes read so far.
    virtual int64_t GetPosition() const = 0;
    // The file behind the stream, for messages; empty for a stream in memory.
    virtual SString GetName() const { return SString(); }
    virtual void Close() {}

    void ReadExactly(void* buffer, size_t count);
    uint8_t ReadByte();
    uint16_t ReadUInt16();
    int16_t ReadInt16();
    uint32_t ReadUInt32();
    int32_t ReadInt32();
    // Everything up to the end; more than `maxBytes` throws SEIOException (badFormat) rather
    // than growing without bound.
    std::string ReadAll(size_t maxBytes);
};
