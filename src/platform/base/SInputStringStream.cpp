#include "platform/base/SInputStringStream.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kChunk = 0x2000;
}

SInputStringStream::SInputStringStream(const SString& text) : m_buffer(text.str()) {}

SInputStringStream::SInputStringStream(SInputStream& source) : m_source(&source) {}

SInputStringStream::SInputStringStream(std::unique_ptr<SInputStream> source)
    : m_owned(std::move(source)), m_source(m_owned.get()) {}

bool SInputStringStream::Fill() {
    if (Buffered() != 0) return true;
    if (!m_source) return false;
    m_buffer.resize(kChunk);
    m_buffer.resize(m_source->Read(m_buffer.data(), kChunk));
    m_next = 0;
    return !m_buffer.empty();
}

size_t SInputStringStream::Read(void* buffer, size_t count) {
    char* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count && Fill()) {
        size_t n = std::min(count - done, Buffered());
        std::memcpy(out + done, m_buffer.data() + m_next, n);
        m_next += n;
        done += n;
    }
    m_position += static_cast<int64_t>(done);
    return done;
}

bool SInputStringStream::IsEOF() {
    return !Fill();
}

void SInputStringStream::Close() {
    if (m_owned) m_owned->Close();
}

bool SInputStringStream::ReadLn(SString& line) {
    if (!Fill()) return false;
    std::string text;
    while (Fill()) {
        const char* begin = m_buffer.data() + m_next;
        const char* end = m_buffer.data() + m_buffer.size();
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        text.append(begin, stop);
        size_t taken = static_cast<size_t>(stop - begin);
        m_next += taken;
        m_position += static_cast<int64_t>(taken);
        if (stop == end) continue;
        char ending = *stop;
        ++m_next;
        ++m_position;
        if (ending == '\r' && Fill() && m_buffer[m_next] == '\n') {
            ++m_next;
            ++m_position;
        }
        break;
    }
    line = SString(std::move(text));
    return true;
}
