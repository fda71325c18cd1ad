#pragma once
// Text input: a stream over a text in memory, or over another stream (borrowed or owned), read
// as bytes or line by line.
#include <memory>
#include <string>

#include "platform/base/SInputStream.h"

class SInputStringStream : public SInputStream {
public:
    explicit SInputStringStream(const SString& text);
    explicit SInputStringStream(SInputStream& source);
    explicit SInputStringStream(std::unique_ptr<SInputStream> source);

    size_t Read(void* buffer, size_t count) override;
    bool IsEOF() override;
    int64_t GetPosition() const override { return m_position; }
    SString GetName() const override { return m_source ? m_source->GetName() : SString(); }
    // Closes the source when the stream owns it.
    void Close() override;

    // The next line without its end (LF, CR LF or a lone CR); false when no character is left.
    bool ReadLn(SString& line);

private:
    size_t Buffered() const { return m_buffer.size() - m_next; }
    bool Fill();

    std::unique_ptr<SInputStream> m_owned;
    SInputStream* m_source = nullptr;
    std::string m_buffer;
    size_t m_next = 0;
    int64_t m_position = 0;
};
