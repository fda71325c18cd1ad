#pragma once
// Text output: collects what is written in memory, or passes it on, buffered, to another stream
// (borrowed or owned). Closing a stream that owns its sink closes the sink too, so that over an
// SOutputFile the file is complete once the string stream is closed; destroyed without Close,
// an owned file is dropped and its target left as it was.
#include <memory>
#include <string>

#include "platform/base/SOutputStream.h"

class SOutputStringStream : public SOutputStream {
public:
    SOutputStringStream() = default;
    explicit SOutputStringStream(SOutputStream& sink);
    // `bufferSize`: how many bytes are gathered before the sink sees them.
    explicit SOutputStringStream(std::unique_ptr<SOutputStream> sink, size_t bufferSize = kDefaultBufferSize);

    void Flush() override;
    void Close() override;
    SString GetName() const override { return m_sink ? m_sink->GetName() : SString(); }

    // What was written to a stream in memory.
    SString GetString() const;

protected:
    void WriteImpl(const void* data, size_t count) override;

private:
    std::unique_ptr<SOutputStream> m_owned;
    SOutputStream* m_sink = nullptr;
    std::string m_text;
};
