#pragma once
// The user-interface library's view of a module state: initialised with the module's object map
// at attach and terminated at detach.
#include "platform/base/SModuleState.h"

struct SObjectMapEntry {
    const GUID* clsid = nullptr;  // null ends the map
};

class SLibModuleState : public SModuleState {
public:
    using SModuleState::SModuleState;

    void Init(void* instance, const SObjectMapEntry* objectMap);
    void Term();
    bool IsInitialised() const { return m_initialised; }
    const SObjectMapEntry* GetObjectMap() const { return m_objectMap; }

private:
    bool m_initialised = false;
    const SObjectMapEntry* m_objectMap = nullptr;
};
