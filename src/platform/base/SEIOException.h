#pragma once
// Failure to open, read, write, flush or close a file or stream. Its code at a boundary is
// 0x80030019; the cause says what failed.
#include "platform/base/SException.h"
#include "platform/com/HRESULT.h"

class SEIOException : public SException {
public:
    enum Cause { generic = 0, fileNotFound, accessDenied, badFormat, endOfFile, diskFull, aborted };

    explicit SEIOException(SString message, Cause cause = generic, SString fileName = SString())
        : SException(std::move(message)), m_cause(cause), m_fileName(std::move(fileName)) {}

    Cause GetCause() const { return m_cause; }
    const SString& GetFileName() const { return m_fileName; }
    SString GetClassNameText() const override { return "SEIOException"; }

private:
    Cause m_cause;
    SString m_fileName;
};
