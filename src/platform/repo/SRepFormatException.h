#pragma once
// A document that does not read: malformed, truncated or hostile bytes. It carries the place
// where reading went wrong, so that the reader's result can point at it; its code at a boundary
// is that of every input/output failure (0x80030019).
#include <cstdint>

#include "platform/base/SEIOException.h"
#include "platform/base/SReadResult.h"

class SRepFormatException : public SEIOException {
public:
    SRepFormatException(SString message, uint64_t offset, uint32_t line = 0, uint32_t column = 0)
        : SEIOException(std::move(message), badFormat), m_offset(offset), m_line(line), m_column(column) {}

    uint64_t GetOffset() const { return m_offset; }
    uint32_t GetLine() const { return m_line; }
    uint32_t GetColumn() const { return m_column; }
    SString GetClassNameText() const override { return "SRepFormatException"; }

    // The reader's answer for this failure.
    SReadResult ToReadResult() const { return SReadResult{E_IOFAILURE, m_offset, m_line, m_column}; }

private:
    uint64_t m_offset;
    uint32_t m_line;
    uint32_t m_column;
};
