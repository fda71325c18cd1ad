#include "rpt/objs/SRptAttributeAccess.h"

HRESULT SRptAttributeAccess::GetCollection(SRptBaseMem& object, int32_t id, SRepVariant& value) {
    value.SetCollection(object.GetCollection(id).Get());
    return S_OK;
}

HRESULT SRptAttributeAccess::NoObject(SRepVariant& value) {
    value.SetIOBJECT(nullptr);
    return E_NOTIMPL;
}
