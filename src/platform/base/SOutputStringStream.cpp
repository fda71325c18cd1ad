#include "platform/base/SOutputStringStream.h"

#include "platform/base/SException.h"

// In memory the text itself is the buffer; in front of another stream the bytes are gathered
// so that the sink sees few large writes.
SOutputStringStream::SOutputStringStream(SOutputStream& sink) : m_sink(&sink) {
    SetBufferSize(kDefaultBufferSize);
}

SOutputStringStream::SOutputStringStream(std::unique_ptr<SOutputStream> sink, size_t bufferSize)
    : m_owned(std::move(sink)), m_sink(m_owned.get()) {
    if (m_sink) SetBufferSize(bufferSize);
}

void SOutputStringStream::WriteImpl(const void* data, size_t count) {
    if (m_sink)
        m_sink->Write(data, count);
    else
        m_text.append(static_cast<const char*>(data), count);
}

void SOutputStringStream::Flush() {
    FlushBuffer();
    if (m_sink) m_sink->Flush();
}

void SOutputStringStream::Close() {
    if (IsClosed()) return;
    Flush();
    if (m_owned) m_owned->Close();
    MarkClosed();
}

SString SOutputStringStream::GetString() const {
    if (m_sink) throw SException("SOutputStringStream: the text went to another stream");
    return SString(m_text);
}
