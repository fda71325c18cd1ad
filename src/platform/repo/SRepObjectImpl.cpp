#include "platform/repo/SRepObjectImpl.h"

#include "platform/com/SComThrow.h"

SRepClassColPtr SRepObjectImpl::GetCollection(int32_t id) {
    SComWrap<ISRepClassCol> collection;
    HRESULT hr = SRepObjectMem::GetCollection(id, &collection);
    if (FAILED(hr)) SComThrow(hr);
    return SRepClassColPtr(collection.Get());
}

HRESULT SRepObjectImpl::VSet_TEXT(int32_t id, const SRepVariant& value, SString& member) {
    if (!value.IsText()) return DISP_E_TYPEMISMATCH;
    return Set_TEXT(id, value.GetText(), member);
}

HRESULT SRepObjectImpl::VSet_CHAR(int32_t id, const SRepVariant& value, SString& member, int32_t maxLength) {
    if (!value.IsText()) return DISP_E_TYPEMISMATCH;
    return Set_CHAR(id, value.GetText(), member, maxLength);
}

HRESULT SRepObjectImpl::VSet_SHORT(int32_t id, const SRepVariant& value, int16_t& member) {
    if (!value.IsNumber()) return DISP_E_TYPEMISMATCH;
    const int32_t number = value.GetInt();
    if (number < INT16_MIN || number > INT16_MAX) return E_INVALIDARG;
    return Set_SHORT(id, static_cast<int16_t>(number), member);
}

HRESULT SRepObjectImpl::VSet_INT(int32_t id, const SRepVariant& value, int32_t& member) {
    if (!value.IsNumber()) return DISP_E_TYPEMISMATCH;
    return Set_INT(id, value.GetInt(), member);
}

HRESULT SRepObjectImpl::VSet_BOOL(int32_t id, const SRepVariant& value, bool& member) {
    if (!value.IsNumber()) return DISP_E_TYPEMISMATCH;
    return Set_BOOL(id, value.GetBool(), member);
}

HRESULT SRepObjectImpl::VSet_RECT(int32_t id, const SRepVariant& value, RECT& member) {
    if (value.GetType() != SREP_VT_RECT) return DISP_E_TYPEMISMATCH;
    return Set_RECT(id, value.GetRECT(), member);
}

HRESULT SRepObjectImpl::VSet_POINT(int32_t id, const SRepVariant& value, POINT& member) {
    if (value.GetType() != SREP_VT_POINT) return DISP_E_TYPEMISMATCH;
    return Set_POINT(id, value.GetPOINT(), member);
}

HRESULT SRepObjectImpl::VSet_DATE(int32_t id, const SRepVariant& value, int32_t& member) {
    if (value.GetType() != SREP_VT_DATE) return DISP_E_TYPEMISMATCH;
    return Set_DATE(id, value.GetDATE(), member);
}

HRESULT SRepObjectImpl::VSet_OID(int32_t id, const SRepVariant& value, GUID& member) {
    if (value.GetType() != SREP_VT_OID) return DISP_E_TYPEMISMATCH;
    return Set_OID(id, value.GetOID(), member);
}
