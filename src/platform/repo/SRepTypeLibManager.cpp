#include "platform/repo/SRepTypeLibManager.h"

HRESULT SRepTypeLibManager::RegisterTypeLib(SModuleState* moduleState, uint32_t resourceId, int32_t language,
                                            const char* resourceType) {
    SRepTypeLibRegistration registration;
    registration.moduleState = moduleState;
    registration.resourceId = resourceId;
    registration.language = language;
    registration.resourceType = resourceType;
    registration.result = moduleState && moduleState->FindResource(registration.resourceType, resourceId, nullptr, nullptr)
                              ? S_OK
                              : E_FAIL;
    m_registrations.push_back(registration);
    return registration.result;
}

SRepTypeLibManager* GetTypeLibManager() {
    static SRepTypeLibManager manager;
    return &manager;
}
