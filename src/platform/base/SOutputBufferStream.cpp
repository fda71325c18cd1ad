#include "platform/base/SOutputBufferStream.h"

#include <algorithm>

SOutputBufferStream::SOutputBufferStream(SOutputStream& sink, size_t size) : m_sink(sink) {
    SetBufferSize(std::max<size_t>(size, 1));
}

void SOutputBufferStream::Flush() {
    FlushBuffer();
    m_sink.Flush();
}

void SOutputBufferStream::Close() {
    if (IsClosed()) return;
    Flush();
    MarkClosed();
}
