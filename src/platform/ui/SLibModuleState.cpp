#include "platform/ui/SLibModuleState.h"

void SLibModuleState::Init(void* instance, const SObjectMapEntry* objectMap) {
    if (instance) SetInstance(instance);
    m_objectMap = objectMap;
    m_initialised = true;
}

void SLibModuleState::Term() {
    m_initialised = false;
    m_objectMap = nullptr;
}
