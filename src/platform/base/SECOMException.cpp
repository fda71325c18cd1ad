#include "platform/base/SECOMException.h"

#include "platform/com/SComThrow.h"

void SComThrow(HRESULT hr) {
    throw SECOMException(hr);
}
