#pragma once
// The owner that the inverse end of an owning collection shows (the table of a row, the row of a
// cell), asked for an interface. An object has at most one owner, at position 0 of the end.
#include <cstdint>

#include "platform/com/SComCheck.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepObject.h"

// The owner as `I` with the caller's reference: S_OK, with null when the owner has no `I`;
// S_FALSE and null for an object without owner. A failing end or element is returned (E_POINTER
// for an object without that end); a failing count, or a query that fails otherwise than with
// E_NOINTERFACE, is thrown as SECOMException. E_POINTER for a null out-pointer.
template <class I>
HRESULT SRptGetOwnerEnd(ISRepObject* object, int32_t inverseId, I** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    SComWrap<ISRepClassCol> end;
    HRESULT hr = object->GetCollection(inverseId, &end);
    if (FAILED(hr)) return hr;
    if (!end) return E_POINTER;
    int32_t count = 0;
    hr = end->GetCount(&count);
    SComCheck(hr);
    if (count < 1) return S_FALSE;
    SComWrap<ISRepObject> owner;
    hr = end->Item(0, &owner);
    if (FAILED(hr)) return hr;
    SComWrap<I> asked;
    asked = static_cast<IUnknown*>(owner.Get());
    *out = asked.Detach();
    return S_OK;
}
