#pragma once
// One class entry of an element-name table: the element name a class had in files of an older
// version, and the names its attributes and collections had there, each bound to the member of
// the current metaclass that carries the same id.
#include <map>

#include "platform/base/SString.h"

class SRepMetaClass;
class SRepMetaAttribute;
class SRepMetaCollection;

class SRepMetaDTDClass {
public:
    SRepMetaDTDClass(const SRepMetaClass* metaClass, SString elementName)
        : m_metaClass(metaClass), m_elementName(std::move(elementName)) {}
    virtual ~SRepMetaDTDClass() = default;
    SRepMetaDTDClass(const SRepMetaDTDClass&) = delete;
    SRepMetaDTDClass& operator=(const SRepMetaDTDClass&) = delete;

    const SRepMetaClass* GetMetaClass() const { return m_metaClass; }
    const SString& GetElementName() const { return m_elementName; }

    // Binds an element name ("a:..." or "c:...") to a current member; a name bound already keeps
    // its first binding. False for a null member.
    virtual bool BindAttribute(const SRepMetaAttribute* attribute, const SString& elementName);
    virtual bool BindCollection(const SRepMetaCollection* collection, const SString& elementName);

    // The member an element name is bound to; null when it is not.
    const SRepMetaAttribute* FindAttribute(const SString& elementName) const;
    const SRepMetaCollection* FindCollection(const SString& elementName) const;
    int32_t GetAttributeCount() const { return static_cast<int32_t>(m_attributes.size()); }
    int32_t GetCollectionCount() const { return static_cast<int32_t>(m_collections.size()); }

private:
    const SRepMetaClass* m_metaClass;
    SString m_elementName;
    std::map<SString, const SRepMetaAttribute*> m_attributes;
    std::map<SString, const SRepMetaCollection*> m_collections;
};
