#pragma once
// Writes to another stream through a buffer (8192 bytes unless told otherwise). Flush and Close
// hand the buffered bytes on; the sink is not owned and is not closed. A buffer destroyed
// without Close drops what it holds, as on the way out of a failed save, where nothing of it
// must reach the file.
#include <vector>

#include "platform/base/SOutputStream.h"

class SOutputBufferStream : public SOutputStream {
public:
    static constexpr size_t kDefaultSize = 0x2000;

    explicit SOutputBufferStream(SOutputStream& sink, size_t size = kDefaultSize);

    void Write(const void* data, size_t count) override;
    void Flush() override;
    void Close() override;
    int64_t GetPosition() const override { return m_position; }
    SString GetName() const override { return m_sink.GetName(); }

private:
    void Drain();

    SOutputStream& m_sink;
    std::vector<char> m_buffer;
    size_t m_used = 0;
    int64_t m_position = 0;
    bool m_closed = false;
};

using SBufferedOutputStream = SOutputBufferStream;
