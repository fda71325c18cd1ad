#include "rpt/objs/items/SRptGroupMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptGroupMem", "SRptGroupMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptGroupMem: the attribute protocol ----

HRESULT SRptGroupMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGROUP_VALID: value->SetBool(m_valid); return S_OK;
            case RPTGROUP_NBITEMS: value->SetInt(m_nbItems); return S_OK;
            case RPTGROUP_ITEMINDEX: value->SetInt(m_itemIndex); return S_OK;
            case RPTGROUP_USERPARAM: value->SetInt(m_userParam); return S_OK;
            default: return SRptCustomImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptGroupMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTGROUP_VALID: return VSet_BOOL(id, value, m_valid);
            case RPTGROUP_NBITEMS: return VSet_INT(id, value, m_nbItems);
            case RPTGROUP_ITEMINDEX: return VSet_INT(id, value, m_itemIndex);
            case RPTGROUP_USERPARAM: return VSet_INT(id, value, m_userParam);
            default: return SRptCustomImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptGroupMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGROUP_VALID: value->SetBool(false); return S_OK;
            case RPTGROUP_NBITEMS:
            case RPTGROUP_ITEMINDEX:
            case RPTGROUP_USERPARAM: value->SetInt(0); return S_OK;
            default: return SRptCustomImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptGroupMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGROUP_VALID:
        case RPTGROUP_NBITEMS:
        case RPTGROUP_ITEMINDEX:
        case RPTGROUP_USERPARAM: return kStoredFlags;
        default: return SRptCustomImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptGroupMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGROUP_VALID: return SREP_VT_BOOL;
        case RPTGROUP_NBITEMS:
        case RPTGROUP_ITEMINDEX:
        case RPTGROUP_USERPARAM: return SREP_VT_INT;
        default: return SRptCustomImpl::GetAttributeType(id);
    }
}

bool SRptGroupMem::HasAttribute(int32_t id) const {
    switch (id) {
        case RPTGROUP_VALID:
        case RPTGROUP_NBITEMS:
        case RPTGROUP_ITEMINDEX:
        case RPTGROUP_USERPARAM: return true;
        default: return SRptCustomMem::HasAttribute(id);
    }
}

bool SRptGroupMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptGroup || SRptCustomMem::ClassIsKindOf(clsid);
}

bool SRptGroupMem::ClassHasCollection(int32_t id) {
    return SRptCustomMem::ClassHasCollection(id);
}

HRESULT SRptGroupMem::FinalConstruct() {
    HRESULT hr = SRptCustomImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptGroupRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptGroupRegistry ----

const SAttrEditorMap SRptGroupRegistry::attrEditorMap = {&SRptCustomRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptGroupRegistry::SRptGroupRegistry()
    : SRepStaticRegistry(CLSID_SRptGroup, &attrEditorMap, nullptr, &SRptGroupMem::ClassIsKindOf,
                         &SRptGroupMem::ClassHasCollection, 1, SRptGetModuleState()) {}
