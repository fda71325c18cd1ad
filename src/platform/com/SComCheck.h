#pragma once
// A failed call inside the library goes on as the exception that carries its code
// (SECOMException, through SComThrow); a successful one, S_FALSE included, goes on as it is.
//     SComCheck(parents->GetCount(&count));
#include "platform/com/HRESULT.h"
#include "platform/com/SComThrow.h"

inline void SComCheck(HRESULT hr) {
    if (FAILED(hr)) SComThrow(hr);
}
