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
