#pragma once
// The repository's own attributes of every object (ids 0x0100NNNN): its object id, its owner,
// its class's name, who created and last changed it and when, and four words the framework keeps
// for itself. The last fallback of every class's attribute protocol: an id that no class in the
// chain knows ends here with DISP_E_MEMBERNOTFOUND.
#include <array>
#include <cstdint>
#include <span>

#include "platform/base/SString.h"
#include "platform/repo/SRepObjectImpl.h"

inline constexpr int32_t SREP_DISPID_OID = 0x01000001;
inline constexpr int32_t SREP_DISPID_NAME = 0x01000002;
inline constexpr int32_t SREP_DISPID_CODE = 0x01000004;
inline constexpr int32_t SREP_DISPID_PARENT = 0x0100000A;
inline constexpr int32_t SREP_DISPID_DISPNAME = 0x0100000B;
inline constexpr int32_t SREP_DISPID_CLASSNAME = 0x0100000C;
inline constexpr int32_t SREP_DISPID_CREATIONDATE = 0x01000010;
inline constexpr int32_t SREP_DISPID_CREATOR = 0x01000011;
inline constexpr int32_t SREP_DISPID_MODIFICATIONDATE = 0x01000012;
inline constexpr int32_t SREP_DISPID_MODIFIER = 0x01000013;
// Words the framework keeps for itself: stored, 0 until something sets them.
inline constexpr int32_t SREP_DISPID_RESERVED19 = 0x01000019;
inline constexpr int32_t SREP_DISPID_RESERVED1B = 0x0100001B;
inline constexpr int32_t SREP_DISPID_RESERVED3F = 0x0100003F;
inline constexpr int32_t SREP_DISPID_RESERVED4D = 0x0100004D;

// The creator and the last modifier are CHAR(80): at most 80 characters.
inline constexpr int32_t SREP_USER_MAX = 80;
// Attribute flags as the objects answer them: the value is produced, not stored, and cannot be set.
inline constexpr uint32_t SREP_ATTR_COMPUTED = 0x400;
// Attribute flags: the value is shown but never written from outside.
inline constexpr uint32_t SREP_ATTR_READONLY = 0x1;

// The repository object base class and the root of all repository classes.
inline constexpr GUID CLSID_SRepObjectBase = MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}");
inline constexpr GUID CLSID_SRepObject = MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}");

// One of the framework's own attributes, as the objects answer for it and as the framework's
// type library declares it (on the root class or on the object base class).
struct SRepSysAttribute {
    int32_t id;
    const char* codeName;
    const char* displayName;
    uint32_t type;   // as GetAttributeType answers it
    uint32_t flags;  // as GetAttributeFlags answers it
    bool onRoot;     // declared by the root class rather than the object base class
};

class SRepObjectBaseMem : public SRepObjectImpl {
public:
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;
    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    bool HasAttribute(int32_t id) const override { return FindSysAttribute(id) != nullptr; }
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); }
    uint32_t GetAttributeFlags(int32_t id) const override;
    uint32_t GetAttributeType(int32_t id) const override;
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override;
    HRESULT SetSysCreationInfo(const SString& user, int32_t time) noexcept override;

    static bool ClassIsKindOf(const GUID& clsid);
    // Every object has its owner end.
    static bool ClassHasCollection(int32_t id) { return id == SREP_COL_OWNER; }
    // A fresh object id.
    static GUID NewOID();
    // Makes the ids that this thread draws from now on the same row of ids every time it is
    // restarted from the same `start`, for a fuzz target, whose inputs must run the same way
    // every time, whatever ran before them.
    static void RestartNewOIDs(uint64_t start);

    // The framework's own attributes, in ascending order of their ids.
    static std::span<const SRepSysAttribute> SysAttributes();
    // Null for an id that is not one of them.
    static const SRepSysAttribute* FindSysAttribute(int32_t id);

protected:
    SRepObjectBaseMem();
    // A copy is a new object: a new id, the source's creation and change records.
    SRepObjectBaseMem(const SRepObjectBaseMem& source);

private:
    // The code name of the object's class in the registered type libraries; empty when none
    // declares it.
    SString GetClassName() const;
    int32_t* FindReservedWord(int32_t id);

    GUID m_oid;
    int32_t m_creationDate = 0;
    int32_t m_modificationDate = 0;
    SString m_creator;
    SString m_modifier;
    std::array<int32_t, 4> m_reserved{};
};
