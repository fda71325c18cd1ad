#pragma once
// The repository framework's type-library manager: modules register their metamodel resource
// with it. (The parse of the resource and the metaclasses come with the repository layer.)
#include <cstdint>
#include <vector>

#include "platform/base/SModuleState.h"

struct SRepTypeLibRegistration {
    SModuleState* moduleState = nullptr;
    uint32_t resourceId = 0;
    int32_t language = 0;
    SString resourceType;
    HRESULT result = S_OK;
};

class SRepTypeLibManager {
public:
    // Registers the resource (type, id) of the module state's resource table.
    virtual HRESULT RegisterTypeLib(SModuleState* moduleState, uint32_t resourceId, int32_t language,
                                    const char* resourceType);
    virtual ~SRepTypeLibManager() = default;

    const std::vector<SRepTypeLibRegistration>& GetRegistrations() const { return m_registrations; }
    void Reset() { m_registrations.clear(); }

private:
    std::vector<SRepTypeLibRegistration> m_registrations;
};

// The process's type-library manager.
SRepTypeLibManager* GetTypeLibManager();
