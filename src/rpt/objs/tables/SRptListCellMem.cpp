#include "rpt/objs/tables/SRptListCellMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptListCellMem", "SRptListCellMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptListCellMem: the attribute protocol ----

HRESULT SRptListCellMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTLISTCELL_SORTABLE: value->SetBool(m_sortable); return S_OK;
            case RPTLISTCELL_SORTED: value->SetBool(m_sorted); return S_OK;
            default: return SRptTableCellImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptListCellMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTLISTCELL_SORTABLE: return VSet_BOOL(id, value, m_sortable);
            case RPTLISTCELL_SORTED: return VSet_BOOL(id, value, m_sorted);
            default: return SRptTableCellImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptListCellMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTLISTCELL_SORTABLE:
            case RPTLISTCELL_SORTED: value->SetBool(false); return S_OK;
            default: return SRptTableCellImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptListCellMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1:
        case RPTLISTCELL_SORTABLE: return 0;
        case RPTLISTCELL_SORTED: return kStoredFlags;
        default: return SRptTableCellImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptListCellMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTLISTCELL_SORTABLE:
        case RPTLISTCELL_SORTED: return SREP_VT_BOOL;
        default: return SRptTableCellImpl::GetAttributeType(id);
    }
}

bool SRptListCellMem::HasAttribute(int32_t id) const {
    return id == RPTLISTCELL_SORTABLE || id == RPTLISTCELL_SORTED || SRptTableCellMem::HasAttribute(id);
}

bool SRptListCellMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptListCell || SRptTableCellMem::ClassIsKindOf(clsid);
}

bool SRptListCellMem::ClassHasCollection(int32_t id) {
    return SRptTableCellMem::ClassHasCollection(id);
}

HRESULT SRptListCellMem::FinalConstruct() {
    HRESULT hr = SRptTableCellImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptListCellRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptListCellRegistry ----

const SAttrEditorMap SRptListCellRegistry::attrEditorMap = {&SRptTableCellRegistry::attrEditorMap,
                                                            SREP_NO_ATTR_EDITORS};

// Cells are allocated one by one.
SRptListCellRegistry::SRptListCellRegistry()
    : SRepStaticRegistry(CLSID_SRptListCell, &attrEditorMap, &SRepComObject<SRptListCellImpl>::Factory,
                         &SRptListCellMem::ClassIsKindOf, &SRptListCellMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
