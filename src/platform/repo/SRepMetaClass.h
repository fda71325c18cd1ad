#pragma once
// A class of the metamodel, built from one class record of a type library: its GUID, base class
// and the members it declares itself. Look-ups of members run through the class and then its
// bases, so that the nearest class that declares an id or a name answers; names are only
// meaningful within one class chain, ids identify a member everywhere. Metaclasses belong to the
// type-library manager and live as long as it does.
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/repo/SRepMetaAttribute.h"
#include "platform/repo/SRepMetaCollection.h"
#include "platform/repo/SRepMetaMethod.h"

class SRepTypeLib;

class SRepMetaClass {
public:
    struct Record {
        SString codeName;
        SString displayName;
        uint32_t flags = 0;
        GUID classId;
        uint32_t index = 0;
        uint32_t stringId = 0;
        // The base as the record names it: "Rpt::SRptPara" and its GUID; empty for a root.
        SString baseName;
        GUID baseClassId;
    };

    SRepMetaClass(const SRepTypeLib* library, Record record);
    SRepMetaClass(const SRepMetaClass&) = delete;
    SRepMetaClass& operator=(const SRepMetaClass&) = delete;

    const SString& GetCodeName() const { return m_record.codeName; }
    // The name with the library's namespace: "Rpt::SRptPara".
    SString GetQualifiedName() const;
    const SString& GetDisplayName() const { return m_record.displayName; }
    const GUID& GetClassId() const { return m_record.classId; }
    uint32_t GetFlags() const { return m_record.flags; }
    bool IsAbstract() const;
    uint32_t GetIndex() const { return m_record.index; }
    uint32_t GetStringId() const { return m_record.stringId; }
    const SRepTypeLib* GetTypeLib() const { return m_library; }

    // The base class (null for a root class); bound when the library is registered.
    const SRepMetaClass* GetBaseClass() const { return m_base; }
    const SString& GetBaseName() const { return m_record.baseName; }
    const GUID& GetBaseClassId() const { return m_record.baseClassId; }
    bool HasBase() const { return !m_record.baseName.IsEmpty(); }
    // True for the class itself and every class it derives from.
    bool IsKindOf(const GUID& classId) const;

    // The members this class declares itself, in resource order (computed attributes first).
    std::span<const SRepMetaAttribute> GetAttributes() const { return m_attributes; }
    std::span<const SRepMetaCollection> GetCollections() const { return m_collections; }
    std::span<const SRepMetaMethod> GetMethods() const { return m_methods; }

    // Members of the class and its bases; null when none has the id or code name.
    const SRepMetaAttribute* FindAttribute(uint32_t id) const;
    const SRepMetaAttribute* FindAttributeByName(const SString& codeName) const;
    const SRepMetaCollection* FindCollection(uint32_t id) const;
    const SRepMetaCollection* FindCollectionByName(const SString& codeName) const;
    const SRepMetaMethod* FindMethod(uint32_t id) const;
    const SRepMetaMethod* FindMethodByName(const SString& codeName) const;

    // An attribute's type word and flags as the report objects answer them (the resource's
    // words shifted right by 8 bits); 0 for an id that the class chain does not declare.
    uint32_t GetAttributeType(uint32_t id) const;
    uint32_t GetAttributeFlags(uint32_t id) const;

private:
    friend class SRepTypeLibReader;   // adds the members while it reads the record
    friend class SRepTypeLibManager;  // binds the base when the library is registered

    // False when the class already declares a member of that kind with the id.
    bool AddAttribute(SRepMetaAttribute attribute);
    bool AddCollection(SRepMetaCollection collection);
    bool AddMethod(SRepMetaMethod method);
    void SetBaseClass(const SRepMetaClass* base) { m_base = base; }

    template <class Member>
    static bool Add(std::vector<Member>& members, std::map<uint32_t, size_t>& index, Member member,
                    const SRepMetaClass* owner);
    template <class Member>
    static const Member* FindOwn(const std::vector<Member>& members, const std::map<uint32_t, size_t>& index,
                                 uint32_t id);
    template <class Member>
    static const Member* FindOwnByName(const std::vector<Member>& members, const SString& codeName);

    const SRepTypeLib* m_library;
    Record m_record;
    const SRepMetaClass* m_base = nullptr;
    std::vector<SRepMetaAttribute> m_attributes;
    std::vector<SRepMetaCollection> m_collections;
    std::vector<SRepMetaMethod> m_methods;
    std::map<uint32_t, size_t> m_attributeIndex;
    std::map<uint32_t, size_t> m_collectionIndex;
    std::map<uint32_t, size_t> m_methodIndex;
};
