#pragma once
// A sink of bytes. Write takes every byte or throws SEIOException; nothing is dropped silently.
// Close makes what was written final (for a file: complete on disk under its name).
//
// The stream owns an optional buffer. Write copies into it inline and reaches the virtual
// WriteImpl only when the buffer cannot take the bytes, so that a document written as many
// small strings costs one virtual call per buffer-full, not per string. A stream without a
// buffer hands every write to WriteImpl. Bytes wait in the buffer until it is full, Flush or
// Close; a stream destroyed without them drops what it holds (the way out of a failed save,
// where nothing of it must reach the file).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/base/SEIOException.h"
#include "platform/base/SString.h"

class SOutputStream {
public:
    static constexpr size_t kDefaultBufferSize = 0x2000;

    SOutputStream() = default;
    SOutputStream(const SOutputStream&) = delete;
    SOutputStream& operator=(const SOutputStream&) = delete;
    virtual ~SOutputStream() = default;

    void Write(const void* data, size_t count) {
        // Strictly less: an exact fit or an empty write to an unbuffered stream takes the slow
        // path, so the copy here never sees a null buffer.
        if (count < static_cast<size_t>(m_bufferEnd - m_bufferNext)) {
            std::memcpy(m_bufferNext, data, count);
            m_bufferNext += count;
            return;
        }
        WriteSlow(data, count);
    }
    // Hands what is held in buffers on to the stream below.
    virtual void Flush() { FlushBuffer(); }
    virtual void Close() { Flush(); }
    // Number of bytes written so far, those still in the buffer included.
    int64_t GetPosition() const { return m_delivered + static_cast<int64_t>(Buffered()); }
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

protected:
    // Delivers `count` bytes (never zero) to what is below the stream, all of them or throws.
    virtual void WriteImpl(const void* data, size_t count) = 0;

    // Gives the stream a buffer of `size` bytes (0: none). What the old buffer held is
    // delivered first.
    void SetBufferSize(size_t size);
    // Delivers what the buffer holds. The buffer is emptied only once WriteImpl has taken it,
    // so that a failed write loses nothing that a retry could still deliver.
    void FlushBuffer();
    // From now on every write throws; what the buffer holds is dropped.
    void MarkClosed();
    bool IsClosed() const { return m_closed; }
    size_t Buffered() const { return static_cast<size_t>(m_bufferNext - m_buffer.get()); }

private:
    void WriteSlow(const void* data, size_t count);
    void Deliver(const void* data, size_t count);

    std::unique_ptr<char[]> m_buffer;
    size_t m_bufferSize = 0;
    char* m_bufferNext = nullptr;
    char* m_bufferEnd = nullptr;
    int64_t m_delivered = 0;
    bool m_closed = false;
};
