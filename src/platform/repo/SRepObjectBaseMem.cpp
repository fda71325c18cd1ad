#include "platform/repo/SRepObjectBaseMem.h"

#include <random>

SRepObjectBaseMem::SRepObjectBaseMem() : m_oid(NewOID()) {}

SRepObjectBaseMem::SRepObjectBaseMem(const SRepObjectBaseMem& source)
    : SRepObjectImpl(source),
      m_oid(NewOID()),
      m_creationDate(source.m_creationDate),
      m_modificationDate(source.m_modificationDate),
      m_creator(source.m_creator),
      m_modifier(source.m_modifier) {}

GUID SRepObjectBaseMem::NewOID() {
    // Random (version 4) ids: unique enough for a document, and no clock or machine id to leak.
    thread_local std::mt19937_64 generator{std::random_device{}()};
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
    return clsid == CLSID_SRepObjectBase || clsid == CLSID_SRepObjectRoot;
}

bool SRepObjectBaseMem::HasAttribute(int32_t id) const {
    switch (id) {
        case SREP_DISPID_OID:
        case SREP_DISPID_CREATIONDATE:
        case SREP_DISPID_CREATOR:
        case SREP_DISPID_MODIFICATIONDATE:
        case SREP_DISPID_MODIFIER: return true;
        default: return false;
    }
}

HRESULT SRepObjectBaseMem::GetAttribute(int32_t id, SRepVariant* value) {
    if (!value) return E_POINTER;
    switch (id) {
        case SREP_DISPID_OID: value->SetOID(m_oid); return S_OK;
        case SREP_DISPID_CREATIONDATE: value->SetDATE(m_creationDate); return S_OK;
        case SREP_DISPID_CREATOR: value->SetChar(m_creator); return S_OK;
        case SREP_DISPID_MODIFICATIONDATE: value->SetDATE(m_modificationDate); return S_OK;
        case SREP_DISPID_MODIFIER: value->SetChar(m_modifier); return S_OK;
        default: return SRepObjectImpl::GetAttribute(id, value);
    }
}

HRESULT SRepObjectBaseMem::SetAttribute(int32_t id, const SRepVariant& value) {
    // The loaders and the id regeneration of a save write these too.
    switch (id) {
        case SREP_DISPID_OID: return VSet_OID(id, value, m_oid);
        case SREP_DISPID_CREATIONDATE: return VSet_DATE(id, value, m_creationDate);
        case SREP_DISPID_CREATOR: return VSet_CHAR(id, value, m_creator);
        case SREP_DISPID_MODIFICATIONDATE: return VSet_DATE(id, value, m_modificationDate);
        case SREP_DISPID_MODIFIER: return VSet_CHAR(id, value, m_modifier);
        default: return SRepObjectImpl::SetAttribute(id, value);
    }
}

uint32_t SRepObjectBaseMem::GetAttributeFlags(int32_t id) const {
    return SRepObjectImpl::GetAttributeFlags(id);
}

uint32_t SRepObjectBaseMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case SREP_DISPID_OID: return SREP_VT_OID;
        case SREP_DISPID_CREATIONDATE:
        case SREP_DISPID_MODIFICATIONDATE: return SREP_VT_DATE;
        case SREP_DISPID_CREATOR:
        case SREP_DISPID_MODIFIER: return SREP_VT_CHAR254;
        default: return SRepObjectImpl::GetAttributeType(id);
    }
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

HRESULT SRepObjectBaseMem::SetSysCreationInfo(const SString& user, int32_t time) {
    Set_CHAR(SREP_DISPID_CREATOR, user, m_creator);
    Set_DATE(SREP_DISPID_CREATIONDATE, time, m_creationDate);
    Set_CHAR(SREP_DISPID_MODIFIER, user, m_modifier);
    Set_DATE(SREP_DISPID_MODIFICATIONDATE, time, m_modificationDate);
    return S_OK;
}
