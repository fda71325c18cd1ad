#pragma once
// A failed allocation inside the library; always 0x8007000E.
#include "platform/base/SECOMException.h"

class SEOutOfMemory : public SECOMException {
public:
    SEOutOfMemory() : SECOMException(E_OUTOFMEMORY) {}
    SString GetClassNameText() const override { return "SEOutOfMemory"; }
};
