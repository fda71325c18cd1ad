#pragma once
// A text stream whatever form its bytes are stored in, read as UTF-8: a byte-order mark says
// UTF-8, UTF-16 little-endian or UTF-16 big-endian; without one, bytes that are valid UTF-8 are
// taken as such and any others as Windows-1252, the 8-bit code page of most text files. What
// follows a UTF-8 mark and is no UTF-8 stands for the replacement character. The mark itself is
// no text, and neither is a NUL: both are left out, so that what reads the text never passes on
// a NUL byte. The source is read whole at the first read.
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/SInputStream.h"

class SInputMultiFormat : public SInputStream {
public:
    explicit SInputMultiFormat(std::unique_ptr<SInputStream> source);

    size_t Read(void* buffer, size_t count) override;
    bool IsEOF() override;
    int64_t GetPosition() const override { return static_cast<int64_t>(m_next); }
    SString GetName() const override { return m_source ? m_source->GetName() : SString(); }
    void Close() override;

    // The UTF-8 text of stored bytes, by the rules above.
    static std::string Decode(std::string_view bytes);
    // The bytes after a UTF-8 mark, all of them when there is none.
    static std::string_view AfterUtf8Mark(std::string_view bytes);
    // Leaves the NULs out of a text.
    static void RemoveNuls(std::string& text);

private:
    void Load();

    std::unique_ptr<SInputStream> m_source;
    bool m_loaded = false;
    std::string m_text;
    size_t m_next = 0;
};
