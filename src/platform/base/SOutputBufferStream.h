#pragma once
// Writes to another stream through a buffer (8192 bytes unless told otherwise). Flush and Close
// hand the buffered bytes on; the sink is not owned and is not closed. A buffer destroyed
// without Close drops what it holds, as on the way out of a failed save, where nothing of it
// must reach the file.
#include "platform/base/SOutputStream.h"

class SOutputBufferStream : public SOutputStream {
public:
    static constexpr size_t kDefaultSize = kDefaultBufferSize;

    explicit SOutputBufferStream(SOutputStream& sink, size_t size = kDefaultSize);

    void Flush() override;
    void Close() override;
    SString GetName() const override { return m_sink.GetName(); }

protected:
    void WriteImpl(const void* data, size_t count) override { m_sink.Write(data, count); }

private:
    SOutputStream& m_sink;
};

using SBufferedOutputStream = SOutputBufferStream;
