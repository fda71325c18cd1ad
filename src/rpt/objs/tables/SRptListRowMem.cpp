#include "rpt/objs/tables/SRptListRowMem.h"

#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptListRowMem", "SRptListRowMem");
}  // namespace

// ---- SRptListRowMem: no attribute of its own ----

HRESULT SRptListRowMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRptTableRowImpl::GetAttribute(id, value); });
}

HRESULT SRptListRowMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptTableRowImpl::SetAttribute(id, value); });
}

HRESULT SRptListRowMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptTableRowImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptListRowMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptTableRowImpl::GetAttributeFlags(id);
}

uint32_t SRptListRowMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptTableRowImpl::GetAttributeType(id);
}

bool SRptListRowMem::HasAttribute(int32_t id) const {
    return SRptTableRowMem::HasAttribute(id);
}

bool SRptListRowMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptListRow || SRptTableRowMem::ClassIsKindOf(clsid);
}

bool SRptListRowMem::ClassHasCollection(int32_t id) {
    return SRptTableRowMem::ClassHasCollection(id);
}

HRESULT SRptListRowMem::FinalConstruct() {
    HRESULT hr = SRptTableRowImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptListRowRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptListRowRegistry ----

const SAttrEditorMap SRptListRowRegistry::attrEditorMap = {&SRptTableRowRegistry::attrEditorMap,
                                                           SREP_NO_ATTR_EDITORS};

// Rows are allocated one by one.
SRptListRowRegistry::SRptListRowRegistry()
    : SRepStaticRegistry(CLSID_SRptListRow, &attrEditorMap, &SRepComObject<SRptListRowImpl>::Factory,
                         &SRptListRowMem::ClassIsKindOf, &SRptListRowMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
