#include "platform/base/SOutputStringStream.h"

#include "platform/base/SEIOException.h"

namespace {
constexpr size_t kChunk = 0x2000;
}

SOutputStringStream::SOutputStringStream(SOutputStream& sink) : m_sink(&sink) {}

SOutputStringStream::SOutputStringStream(std::unique_ptr<SOutputStream> sink)
    : m_owned(std::move(sink)), m_sink(m_owned.get()) {}

void SOutputStringStream::Write(const void* data, size_t count) {
    if (m_closed) throw SEIOException("Write to a closed stream", SEIOException::generic, GetName());
    if (count == 0) return;
    m_text.append(static_cast<const char*>(data), count);
    m_position += static_cast<int64_t>(count);
    if (m_sink && m_text.size() >= kChunk) {
        m_sink->Write(m_text.data(), m_text.size());
        m_text.clear();
    }
}

void SOutputStringStream::Flush() {
    if (!m_sink) return;
    if (!m_text.empty()) {
        m_sink->Write(m_text.data(), m_text.size());
        m_text.clear();
    }
    m_sink->Flush();
}

void SOutputStringStream::Close() {
    if (m_closed) return;
    Flush();
    if (m_owned) m_owned->Close();
    m_closed = true;
}

SString SOutputStringStream::GetString() const {
    if (m_sink) throw SException("SOutputStringStream: the text went to another stream");
    return SString(m_text);
}
