#pragma once
// What every declared member of a metaclass has: its code name (the name that code and files
// use), its display name, its 32-bit id and the class that declares it.
#include <cstdint>
#include <utility>

#include "platform/base/SString.h"

class SRepMetaClass;

class SRepMetaMember {
public:
    const SString& GetCodeName() const { return m_codeName; }
    const SString& GetDisplayName() const { return m_displayName; }
    uint32_t GetId() const { return m_id; }
    // The class whose record declares the member (not the class it was looked up on).
    const SRepMetaClass* GetOwner() const { return m_owner; }

protected:
    SRepMetaMember(SString codeName, SString displayName, uint32_t id)
        : m_codeName(std::move(codeName)), m_displayName(std::move(displayName)), m_id(id) {}

private:
    friend class SRepMetaClass;  // binds the member to its class when it is added

    SString m_codeName;
    SString m_displayName;
    uint32_t m_id;
    const SRepMetaClass* m_owner = nullptr;
};
