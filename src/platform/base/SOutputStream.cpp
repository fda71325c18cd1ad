#include "platform/base/SOutputStream.h"

#include "platform/base/SEIOException.h"

void SOutputStream::SetBufferSize(size_t size) {
    FlushBuffer();
    m_buffer.reset(size != 0 ? new char[size] : nullptr);
    m_bufferSize = size;
    m_bufferNext = m_buffer.get();
    m_bufferEnd = m_closed ? m_bufferNext : m_bufferNext + size;
}

void SOutputStream::Deliver(const void* data, size_t count) {
    WriteImpl(data, count);
    m_delivered += static_cast<int64_t>(count);
}

void SOutputStream::FlushBuffer() {
    size_t used = Buffered();
    if (used == 0) return;
    Deliver(m_buffer.get(), used);
    m_bufferNext = m_buffer.get();
}

void SOutputStream::MarkClosed() {
    m_closed = true;
    // No room left: every write now takes the slow path, which refuses it.
    m_bufferNext = m_buffer.get();
    m_bufferEnd = m_bufferNext;
}

void SOutputStream::WriteSlow(const void* data, size_t count) {
    if (m_closed) throw SEIOException("Write to a closed stream", SEIOException::generic, GetName());
    if (count == 0) return;
    if (m_buffer) {
        if (count > static_cast<size_t>(m_bufferEnd - m_bufferNext)) {
            // What waits goes first, so that the bytes keep their order.
            FlushBuffer();
            // A block at least as large as the buffer goes straight below.
            if (count >= m_bufferSize) {
                Deliver(data, count);
                return;
            }
        }
        std::memcpy(m_bufferNext, data, count);
        m_bufferNext += count;
        return;
    }
    Deliver(data, count);
}

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
