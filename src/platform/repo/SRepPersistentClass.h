#pragma once
// What a document stores of an object of one class: the stored attributes of the class and its
// bases (computed ones are produced by the object and never stored), and the owning collections
// that name an element class, whose owned elements are parts of the object. Collections that
// name no element class gather objects of other documents (the sessions and the language a
// report refers to) and are not the document's content. Both forms of the document store the
// same members in the same order: bases first, each class's own in declared order.
#include <cstdint>
#include <vector>

#include "platform/com/GUID.h"

class SRepMetaClass;
class SRepMetaAttribute;
class SRepMetaCollection;

class SRepPersistentClass {
public:
    // The members of the class of `clsid`; false (and nothing) when no type library declares it.
    bool Describe(const GUID& clsid);
    bool Describe(const SRepMetaClass* metaClass);

    const SRepMetaClass* GetMetaClass() const { return m_metaClass; }
    const std::vector<const SRepMetaAttribute*>& GetAttributes() const { return m_attributes; }
    const std::vector<const SRepMetaCollection*>& GetCollections() const { return m_collections; }

    // Whether a value of this type word (as the objects answer GetAttributeType) can be stored.
    static bool IsStorableType(uint32_t type);
    // Whether an object of class `element` may be an element of the collection.
    static bool AcceptsElement(const SRepMetaCollection& collection, const SRepMetaClass& element);

private:
    const SRepMetaClass* m_metaClass = nullptr;
    std::vector<const SRepMetaAttribute*> m_attributes;
    std::vector<const SRepMetaCollection*> m_collections;
};
