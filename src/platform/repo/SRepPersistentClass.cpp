#include "platform/repo/SRepPersistentClass.h"

#include <set>

#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"

bool SRepPersistentClass::Describe(const GUID& clsid) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    return Describe(manager ? manager->FindMetaClass(clsid) : nullptr);
}

bool SRepPersistentClass::Describe(const SRepMetaClass* metaClass) {
    m_metaClass = metaClass;
    m_attributes.clear();
    m_collections.clear();
    if (!metaClass) return false;
    std::vector<const SRepMetaClass*> chain;
    // A loop of bases cannot be registered; the bound only keeps a walk finite regardless.
    for (const SRepMetaClass* c = metaClass; c && chain.size() < 256; c = c->GetBaseClass()) chain.push_back(c);
    std::set<uint32_t> attributeIds;
    std::set<uint32_t> collectionIds;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (const SRepMetaAttribute& declared : (*it)->GetAttributes()) {
            // The nearest class that declares an id says what it is.
            const SRepMetaAttribute* attribute = metaClass->FindAttribute(declared.GetId());
            if (!attribute || attribute->IsComputed() || !IsStorableType(attribute->GetAttributeType())) continue;
            if (attributeIds.insert(attribute->GetId()).second) m_attributes.push_back(attribute);
        }
        for (const SRepMetaCollection& declared : (*it)->GetCollections()) {
            const SRepMetaCollection* collection = metaClass->FindCollection(declared.GetId());
            if (!collection || collection->IsInverseEnd() || !collection->HasElementClass()) continue;
            if (collectionIds.insert(collection->GetId()).second) m_collections.push_back(collection);
        }
    }
    return true;
}

bool SRepPersistentClass::IsStorableType(uint32_t type) {
    switch (type & 0xFFFF0000u) {
        case SREP_VT_OID:
        case SREP_VT_SHORT:
        case SREP_VT_INT:
        case SREP_VT_BOOL:
        case SREP_VT_DATE:
        case SREP_VT_CHAR:
        case SREP_VT_TEXT:
        case SREP_VT_POINT:
        case SREP_VT_RECT: return true;
        default: return false;
    }
}

bool SRepPersistentClass::AcceptsElement(const SRepMetaCollection& collection, const SRepMetaClass& element) {
    return !collection.HasElementClass() || element.IsKindOf(collection.GetElementClassId());
}
