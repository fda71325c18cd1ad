#include "platform/repo/SRepPersistentClasses.h"

#include "platform/repo/SRepTypeLibManager.h"

const SRepPersistentClass* SRepPersistentClasses::Find(const GUID& clsid) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* metaClass = manager ? manager->FindMetaClass(clsid) : nullptr;
    if (!metaClass) return nullptr;
    auto known = m_classes.find(metaClass);
    if (known == m_classes.end()) {
        known = m_classes.emplace(metaClass, SRepPersistentClass()).first;
        known->second.Describe(metaClass);
    }
    return &known->second;
}
