#include "platform/base/SExceptionResult.h"

#include <new>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"

HRESULT SExceptionResult::FromCurrent() noexcept {
    try {
        throw;
    } catch (const SEIOAbortedException&) {
        return E_ABORT;
    } catch (const SEIOException&) {
        return E_IOFAILURE;
    } catch (const SECOMException& e) {
        return e.GetHResult();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
