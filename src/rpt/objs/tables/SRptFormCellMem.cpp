#include "rpt/objs/tables/SRptFormCellMem.h"

#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptFormCellMem", "SRptFormCellMem");
}  // namespace

// ---- SRptFormCellMem: no attribute of its own ----

HRESULT SRptFormCellMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRptTableCellImpl::GetAttribute(id, value); });
}

HRESULT SRptFormCellMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptTableCellImpl::SetAttribute(id, value); });
}

HRESULT SRptFormCellMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptTableCellImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptFormCellMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptTableCellImpl::GetAttributeFlags(id);
}

uint32_t SRptFormCellMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptTableCellImpl::GetAttributeType(id);
}

bool SRptFormCellMem::HasAttribute(int32_t id) const {
    return SRptTableCellMem::HasAttribute(id);
}

bool SRptFormCellMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptFormCell || SRptTableCellMem::ClassIsKindOf(clsid);
}

bool SRptFormCellMem::ClassHasCollection(int32_t id) {
    return SRptTableCellMem::ClassHasCollection(id);
}

HRESULT SRptFormCellMem::FinalConstruct() {
    HRESULT hr = SRptTableCellImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptFormCellRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptFormCellImpl ----

HRESULT SRptFormCellImpl::ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) {
    const HRESULT hr = SRptTableCellImpl::ConstructWithCellDef(pCellDef, hResInst);
    return FAILED(hr) ? hr : S_OK;
}

// ---- SRptFormCellRegistry ----

const SAttrEditorMap SRptFormCellRegistry::attrEditorMap = {&SRptTableCellRegistry::attrEditorMap,
                                                            SREP_NO_ATTR_EDITORS};

// Cells are allocated one by one.
SRptFormCellRegistry::SRptFormCellRegistry()
    : SRepStaticRegistry(CLSID_SRptFormCell, &attrEditorMap, &SRepComObject<SRptFormCellImpl>::Factory,
                         &SRptFormCellMem::ClassIsKindOf, &SRptFormCellMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
