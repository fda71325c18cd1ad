#pragma once
// Reads another stream through a buffer (8192 bytes unless told otherwise), so that small reads
// do not each reach the file. The source is not owned and must outlive the buffer.
#include <vector>

#include "platform/base/SInputStream.h"

class SInputBufferStream : public SInputStream {
public:
    static constexpr size_t kDefaultSize = 0x2000;

    explicit SInputBufferStream(SInputStream& source, size_t size = kDefaultSize);

    size_t Read(void* buffer, size_t count) override;
    bool IsEOF() override;
    int64_t GetPosition() const override { return m_position; }
    SString GetName() const override { return m_source.GetName(); }

private:
    size_t Buffered() const { return m_end - m_next; }
    void Fill();

    SInputStream& m_source;
    std::vector<char> m_buffer;
    size_t m_next = 0;
    size_t m_end = 0;
    int64_t m_position = 0;
};

using SBufferedInputStream = SInputBufferStream;
