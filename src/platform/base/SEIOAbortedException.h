#pragma once
// The user aborted a long input/output operation (E_ABORT at a boundary).
#include "platform/base/SEIOException.h"

class SEIOAbortedException : public SEIOException {
public:
    explicit SEIOAbortedException(SString message = SString()) : SEIOException(std::move(message), aborted) {}
    SString GetClassNameText() const override { return "SEIOAbortedException"; }
};
