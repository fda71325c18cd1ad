#include "platform/base/SExceptionResult.h"

#include <new>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"

namespace {
// Keeps what a report is to say of the exception; a text that cannot be made is left empty, so
// that describing a failure never fails itself.
template <class F>
void Describe(SString* text, F&& make) noexcept {
    if (!text) return;
    try {
        *text = make();
    } catch (...) {
        *text = SString();
    }
}
}  // namespace

HRESULT SExceptionResult::FromCurrent() noexcept {
    return Map(nullptr);
}

HRESULT SExceptionResult::FromCurrent(SString& text) noexcept {
    return Map(&text);
}

HRESULT SExceptionResult::Map(SString* text) noexcept {
    try {
        throw;
    } catch (const SEIOAbortedException& e) {
        Describe(text, [&] { return e.GetFullText(); });
        return E_ABORT;
    } catch (const SEIOException& e) {
        Describe(text, [&] { return e.GetFullText(); });
        return E_IOFAILURE;
    } catch (const SECOMException& e) {
        Describe(text, [&] { return e.GetFullText(); });
        return e.GetHResult();
    } catch (const SException& e) {
        Describe(text, [&] { return e.GetFullText(); });
        return E_UNEXPECTED;
    } catch (const std::bad_alloc&) {
        // The language's allocation failure is the library's SEOutOfMemory.
        Describe(text, [] { return SString("SEOutOfMemory"); });
        return E_OUTOFMEMORY;
    } catch (...) {
        Describe(text, [] { return SString(); });
        return E_UNEXPECTED;
    }
}
