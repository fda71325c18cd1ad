#include "platform/base/SInputBufferStream.h"

#include <algorithm>
#include <cstring>

SInputBufferStream::SInputBufferStream(SInputStream& source, size_t size)
    : m_source(source), m_buffer(std::max<size_t>(size, 1)) {}

void SInputBufferStream::Fill() {
    m_next = 0;
    m_end = m_source.Read(m_buffer.data(), m_buffer.size());
}

size_t SInputBufferStream::Read(void* buffer, size_t count) {
    char* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        if (Buffered() == 0) {
            // A request at least as large as the buffer goes straight to the source.
            if (count - done >= m_buffer.size()) {
                size_t got = m_source.Read(out + done, count - done);
                done += got;
                break;
            }
            Fill();
            if (m_end == 0) break;
        }
        size_t n = std::min(count - done, Buffered());
        std::memcpy(out + done, m_buffer.data() + m_next, n);
        m_next += n;
        done += n;
    }
    m_position += static_cast<int64_t>(done);
    return done;
}

bool SInputBufferStream::IsEOF() {
    if (Buffered() != 0) return false;
    Fill();
    return m_end == 0;
}
