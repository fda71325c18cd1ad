#include "platform/repo/SRepObjectBaseImpl.h"

SRepObjectBaseImpl::SRepObjectBaseImpl(ISRepSession* session) {
    AttachSession(session);
}

HRESULT SRepObjectBaseImpl::SetSession(ISRepSession* session) {
    AttachSession(session);
    return S_OK;
}

HRESULT SRepObjectBaseImpl::FinalConstruct() {
    return S_OK;
}

bool SRepObjectBaseImpl::IsAttrReadOnly(int32_t id, const SRepVariant&) {
    if (IsObjectLocked() == S_OK) return true;
    if (GetAttributeFlags(id) & SREP_ATTR_READONLY) return true;
    const SRepSysAttribute* own = FindSysAttribute(id);
    return own && (own->flags & SREP_ATTR_COMPUTED);
}

HRESULT SRepObjectBaseImpl::InternalAutoFix(STable<SString>&) {
    return S_OK;
}
