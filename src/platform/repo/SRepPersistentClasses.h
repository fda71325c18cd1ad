#pragma once
// The descriptions of what a document stores of each class (SRepPersistentClass) that one walk
// over a document meets, each made once: a document holds many objects of few classes.
#include <unordered_map>

#include "platform/com/GUID.h"
#include "platform/repo/SRepPersistentClass.h"

class SRepPersistentClasses {
public:
    // The description of the class of `clsid`; null when no type library declares it.
    const SRepPersistentClass* Find(const GUID& clsid);

private:
    std::unordered_map<const SRepMetaClass*, SRepPersistentClass> m_classes;
};
