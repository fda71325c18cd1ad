#include "platform/repo/SRepMetaClass.h"

#include "platform/repo/SRepTypeLib.h"
#include "platform/repo/SRepTypeLibFormat.h"

SRepMetaClass::SRepMetaClass(const SRepTypeLib* library, Record record)
    : m_library(library), m_record(std::move(record)) {}

SString SRepMetaClass::GetQualifiedName() const {
    if (!m_library) return m_record.codeName;
    return m_library->GetNamespace() + SRepTypeLibFormat::kScopeSeparator + m_record.codeName;
}

bool SRepMetaClass::IsAbstract() const {
    return (m_record.flags & SRepTypeLibFormat::kClassAbstract) != 0;
}

bool SRepMetaClass::IsKindOf(const GUID& classId) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (c->GetClassId() == classId) return true;
    return false;
}

template <class Member>
bool SRepMetaClass::Add(std::vector<Member>& members, std::map<uint32_t, size_t>& index, Member member,
                        const SRepMetaClass* owner) {
    if (!index.emplace(member.GetId(), members.size()).second) return false;
    member.m_owner = owner;
    members.push_back(std::move(member));
    return true;
}

bool SRepMetaClass::AddAttribute(SRepMetaAttribute attribute) {
    return Add(m_attributes, m_attributeIndex, std::move(attribute), this);
}

bool SRepMetaClass::AddCollection(SRepMetaCollection collection) {
    return Add(m_collections, m_collectionIndex, std::move(collection), this);
}

bool SRepMetaClass::AddMethod(SRepMetaMethod method) {
    return Add(m_methods, m_methodIndex, std::move(method), this);
}

template <class Member>
const Member* SRepMetaClass::FindOwn(const std::vector<Member>& members, const std::map<uint32_t, size_t>& index,
                                     uint32_t id) {
    auto it = index.find(id);
    return it == index.end() ? nullptr : &members[it->second];
}

template <class Member>
const Member* SRepMetaClass::FindOwnByName(const std::vector<Member>& members, const SString& codeName) {
    for (const Member& member : members)
        if (member.GetCodeName() == codeName) return &member;
    return nullptr;
}

const SRepMetaAttribute* SRepMetaClass::FindAttribute(uint32_t id) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaAttribute* found = FindOwn(c->m_attributes, c->m_attributeIndex, id)) return found;
    return nullptr;
}

const SRepMetaAttribute* SRepMetaClass::FindAttributeByName(const SString& codeName) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaAttribute* found = FindOwnByName(c->m_attributes, codeName)) return found;
    return nullptr;
}

const SRepMetaCollection* SRepMetaClass::FindCollection(uint32_t id) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaCollection* found = FindOwn(c->m_collections, c->m_collectionIndex, id)) return found;
    return nullptr;
}

const SRepMetaCollection* SRepMetaClass::FindCollectionByName(const SString& codeName) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaCollection* found = FindOwnByName(c->m_collections, codeName)) return found;
    return nullptr;
}

const SRepMetaMethod* SRepMetaClass::FindMethod(uint32_t id) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaMethod* found = FindOwn(c->m_methods, c->m_methodIndex, id)) return found;
    return nullptr;
}

const SRepMetaMethod* SRepMetaClass::FindMethodByName(const SString& codeName) const {
    for (const SRepMetaClass* c = this; c; c = c->m_base)
        if (const SRepMetaMethod* found = FindOwnByName(c->m_methods, codeName)) return found;
    return nullptr;
}

uint32_t SRepMetaClass::GetAttributeType(uint32_t id) const {
    const SRepMetaAttribute* attribute = FindAttribute(id);
    return attribute ? attribute->GetAttributeType() : 0;
}

uint32_t SRepMetaClass::GetAttributeFlags(uint32_t id) const {
    const SRepMetaAttribute* attribute = FindAttribute(id);
    return attribute ? attribute->GetAttributeFlags() : 0;
}
