#pragma once
// Exceptions inside, result codes at every boundary: the code an exception becomes when it reaches
// an operation that a caller outside reaches (an interface operation, an exported function).
#include <utility>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

class SExceptionResult {
public:
    // The code of the exception being handled: SEIOAbortedException E_ABORT, SEIOException
    // 0x80030019, SECOMException (SEOutOfMemory included) its code, a failed allocation of the
    // language E_OUTOFMEMORY, anything else E_UNEXPECTED. Call it only inside a handler.
    static HRESULT FromCurrent() noexcept;
    // The same code, and in `text` what a report says of the exception: the full text of the
    // class library's exceptions, "SEOutOfMemory" for a failed allocation of the language, and
    // nothing for any other exception. Call it only inside a handler.
    static HRESULT FromCurrent(SString& text) noexcept;

    // Runs `body` (returning an HRESULT) and turns whatever it throws into its code.
    template <class F>
    static HRESULT Guard(F&& body) noexcept {
        try {
            return std::forward<F>(body)();
        } catch (...) {
            return FromCurrent();
        }
    }

private:
    // The one ladder from exception to code; fills `text` when given.
    static HRESULT Map(SString* text) noexcept;
};
