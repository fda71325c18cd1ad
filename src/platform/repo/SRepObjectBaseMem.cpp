#include "platform/repo/SRepObjectBaseMem.h"

#include <random>

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepTypeLibManager.h"

SRepObjectBaseMem::SRepObjectBaseMem() : m_oid(NewOID()) {}

SRepObjectBaseMem::SRepObjectBaseMem(const SRepObjectBaseMem& source)
    : SRepObjectImpl(source),
      m_oid(NewOID()),
      m_creationDate(source.m_creationDate),
      m_modificationDate(source.m_modificationDate),
      m_creator(source.m_creator),
      m_modifier(source.m_modifier),
      m_reserved(source.m_reserved) {}

namespace {

std::mt19937_64& OIDGenerator() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

}  // namespace

void SRepObjectBaseMem::RestartNewOIDs(uint64_t start) {
    OIDGenerator() = std::mt19937_64(start);
}

GUID SRepObjectBaseMem::NewOID() {
    // Random (version 4) ids: unique enough for a document, and no clock or machine id to leak.
    std::mt19937_64& generator = OIDGenerator();
    const uint64_t high = generator();
    const uint64_t low = generator();
    GUID oid;
    oid.Data1 = static_cast<uint32_t>(high >> 32);
    oid.Data2 = static_cast<uint16_t>(high >> 16);
    oid.Data3 = static_cast<uint16_t>((high & 0x0FFF) | 0x4000);
    for (int i = 0; i < 8; ++i) oid.Data4[i] = static_cast<uint8_t>(low >> (56 - 8 * i));
    oid.Data4[0] = static_cast<uint8_t>((oid.Data4[0] & 0x3F) | 0x80);
    return oid;
}

bool SRepObjectBaseMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRepObjectBase || clsid == CLSID_SRepObject;
}

namespace {

// Ids ascending. Parent and ClssName belong to every repository object, the rest to the
// object base class, as the framework's type library declares them.
constexpr SRepSysAttribute kSysAttributes[] = {
    {SREP_DISPID_OID, "OID", "ObjectID", SREP_VT_OID, 0, false},
    {SREP_DISPID_PARENT, "Parent", "Parent", SREP_VT_OBJECT, SREP_ATTR_COMPUTED, true},
    {SREP_DISPID_CLASSNAME, "ClssName", "ClassName", SREP_VT_TEXT, SREP_ATTR_COMPUTED, true},
    {SREP_DISPID_CREATIONDATE, "CDAT", "CreationDate", SREP_VT_DATE, 0, false},
    {SREP_DISPID_CREATOR, "CUSR", "Creator", SREP_VT_CHAR | SREP_USER_MAX, 0, false},
    {SREP_DISPID_MODIFICATIONDATE, "MDAT", "ModificationDate", SREP_VT_DATE, 0, false},
    {SREP_DISPID_MODIFIER, "MUSR", "Modifier", SREP_VT_CHAR | SREP_USER_MAX, 0, false},
    {SREP_DISPID_RESERVED19, "Reserved19", "Reserved19", SREP_VT_INT, 0, false},
    {SREP_DISPID_RESERVED1B, "Reserved1B", "Reserved1B", SREP_VT_INT, 0, false},
    {SREP_DISPID_RESERVED3F, "Reserved3F", "Reserved3F", SREP_VT_INT, 0, false},
    {SREP_DISPID_RESERVED4D, "Reserved4D", "Reserved4D", SREP_VT_INT, 0, false},
};

constexpr int32_t kReservedIds[4] = {SREP_DISPID_RESERVED19, SREP_DISPID_RESERVED1B, SREP_DISPID_RESERVED3F,
                                    SREP_DISPID_RESERVED4D};

}  // namespace

std::span<const SRepSysAttribute> SRepObjectBaseMem::SysAttributes() {
    return kSysAttributes;
}

const SRepSysAttribute* SRepObjectBaseMem::FindSysAttribute(int32_t id) {
    for (const SRepSysAttribute& attribute : kSysAttributes)
        if (attribute.id == id) return &attribute;
    return nullptr;
}

int32_t* SRepObjectBaseMem::FindReservedWord(int32_t id) {
    for (size_t i = 0; i < m_reserved.size(); ++i)
        if (kReservedIds[i] == id) return &m_reserved[i];
    return nullptr;
}

SString SRepObjectBaseMem::GetClassName() const {
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(GetClassID());
    return metaClass ? metaClass->GetCodeName() : SString();
}

HRESULT SRepObjectBaseMem::GetAttribute(int32_t id, SRepVariant* value) {
    if (!value) return E_POINTER;
    if (int32_t* word = FindReservedWord(id)) {
        value->SetInt(*word);
        return S_OK;
    }
    switch (id) {
        case SREP_DISPID_OID: value->SetOID(m_oid); return S_OK;
        case SREP_DISPID_PARENT: value->SetIOBJECT(GetOwner()); return S_OK;
        case SREP_DISPID_CLASSNAME: value->SetText(GetClassName()); return S_OK;
        case SREP_DISPID_CREATIONDATE: value->SetDATE(m_creationDate); return S_OK;
        case SREP_DISPID_CREATOR: value->SetChar(m_creator, SREP_USER_MAX); return S_OK;
        case SREP_DISPID_MODIFICATIONDATE: value->SetDATE(m_modificationDate); return S_OK;
        case SREP_DISPID_MODIFIER: value->SetChar(m_modifier, SREP_USER_MAX); return S_OK;
        default: return SRepObjectImpl::GetAttribute(id, value);
    }
}

HRESULT SRepObjectBaseMem::SetAttribute(int32_t id, const SRepVariant& value) {
    // The loaders and the id regeneration of a save write the stored ones too.
    if (int32_t* word = FindReservedWord(id)) return VSet_INT(id, value, *word);
    switch (id) {
        case SREP_DISPID_OID: return VSet_OID(id, value, m_oid);
        case SREP_DISPID_PARENT:
        case SREP_DISPID_CLASSNAME: return SREP_E_READONLY;
        case SREP_DISPID_CREATIONDATE: return VSet_DATE(id, value, m_creationDate);
        case SREP_DISPID_CREATOR: return VSet_CHAR(id, value, m_creator, SREP_USER_MAX);
        case SREP_DISPID_MODIFICATIONDATE: return VSet_DATE(id, value, m_modificationDate);
        case SREP_DISPID_MODIFIER: return VSet_CHAR(id, value, m_modifier, SREP_USER_MAX);
        default: return SRepObjectImpl::SetAttribute(id, value);
    }
}

uint32_t SRepObjectBaseMem::GetAttributeFlags(int32_t id) const {
    const SRepSysAttribute* attribute = FindSysAttribute(id);
    return attribute ? attribute->flags : SRepObjectImpl::GetAttributeFlags(id);
}

uint32_t SRepObjectBaseMem::GetAttributeType(int32_t id) const {
    const SRepSysAttribute* attribute = FindSysAttribute(id);
    return attribute ? attribute->type : SRepObjectImpl::GetAttributeType(id);
}

HRESULT SRepObjectBaseMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    if (!value) return E_POINTER;
    if (HasAttribute(id)) {
        // The framework's attributes have no default: they are set when the object is made.
        value->Clear();
        return S_FALSE;
    }
    return SRepObjectImpl::GetAttributeDefault(id, value);
}

HRESULT SRepObjectBaseMem::SetSysCreationInfo(const SString& user, int32_t time) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        Set_CHAR(SREP_DISPID_CREATOR, user, m_creator, SREP_USER_MAX);
        Set_DATE(SREP_DISPID_CREATIONDATE, time, m_creationDate);
        Set_CHAR(SREP_DISPID_MODIFIER, user, m_modifier, SREP_USER_MAX);
        Set_DATE(SREP_DISPID_MODIFICATIONDATE, time, m_modificationDate);
        return S_OK;
    });
}
