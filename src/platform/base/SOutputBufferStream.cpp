#include "platform/base/SOutputBufferStream.h"

#include <algorithm>
#include <cstring>

#include "platform/base/SEIOException.h"

SOutputBufferStream::SOutputBufferStream(SOutputStream& sink, size_t size)
    : m_sink(sink), m_buffer(std::max<size_t>(size, 1)) {}

void SOutputBufferStream::Drain() {
    if (m_used == 0) return;
    // The buffer is emptied only once the sink has taken it, so a failed write loses nothing
    // that a retry could still deliver.
    m_sink.Write(m_buffer.data(), m_used);
    m_used = 0;
}

void SOutputBufferStream::Write(const void* data, size_t count) {
    if (m_closed) throw SEIOException("Write to a closed stream", SEIOException::generic, GetName());
    if (count == 0) return;
    const char* in = static_cast<const char*>(data);
    if (count > m_buffer.size() - m_used) {
        Drain();
        // A block at least as large as the buffer goes straight to the sink.
        if (count >= m_buffer.size()) {
            m_sink.Write(in, count);
            m_position += static_cast<int64_t>(count);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, in, count);
    m_used += count;
    m_position += static_cast<int64_t>(count);
}

void SOutputBufferStream::Flush() {
    Drain();
    m_sink.Flush();
}

void SOutputBufferStream::Close() {
    if (m_closed) return;
    Flush();
    m_closed = true;
}
