#pragma once
// The repository's own attributes of every object (ids 0x0100NNNN): its object id and who
// created and last changed it, when. The last fallback of every class's attribute protocol:
// an id that no class in the chain knows ends here with DISP_E_MEMBERNOTFOUND.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepObjectImpl.h"

inline constexpr int32_t SREP_DISPID_OID = 0x01000001;
inline constexpr int32_t SREP_DISPID_NAME = 0x01000002;
inline constexpr int32_t SREP_DISPID_CODE = 0x01000004;
inline constexpr int32_t SREP_DISPID_DISPNAME = 0x0100000B;
inline constexpr int32_t SREP_DISPID_CREATIONDATE = 0x01000010;
inline constexpr int32_t SREP_DISPID_CREATOR = 0x01000011;
inline constexpr int32_t SREP_DISPID_MODIFICATIONDATE = 0x01000012;
inline constexpr int32_t SREP_DISPID_MODIFIER = 0x01000013;

// The repository object base class and the root of all repository classes.
inline constexpr GUID CLSID_SRepObjectBase = MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}");
inline constexpr GUID CLSID_SRepObjectRoot = MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}");

class SRepObjectBaseMem : public SRepObjectImpl {
public:
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;
    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    bool HasAttribute(int32_t id) const override;
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); }
    uint32_t GetAttributeFlags(int32_t id) const override;
    uint32_t GetAttributeType(int32_t id) const override;
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override;
    HRESULT SetSysCreationInfo(const SString& user, int32_t time) override;

    static bool ClassIsKindOf(const GUID& clsid);
    // Every object has its owner end.
    static bool ClassHasCollection(int32_t id) { return id == SREP_COL_OWNER; }
    // A fresh object id.
    static GUID NewOID();

protected:
    SRepObjectBaseMem();
    // A copy is a new object: a new id, the source's creation and change records.
    SRepObjectBaseMem(const SRepObjectBaseMem& source);

private:
    GUID m_oid;
    int32_t m_creationDate = 0;
    int32_t m_modificationDate = 0;
    SString m_creator;
    SString m_modifier;
};
