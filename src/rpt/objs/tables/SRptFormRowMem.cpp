#include "rpt/objs/tables/SRptFormRowMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/ISRptFormCell.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptFormRowMem", "SRptFormRowMem");
constexpr uint32_t kDispNameFlags = 0x421;
constexpr uint32_t kRowFieldsFlags = 0x409;
}  // namespace

// ---- SRptFormRowMem: the attribute protocol adds the two computed texts ----

HRESULT SRptFormRowMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTFORMROW_DISPNAME: value->SetChar(GetDispName()); return S_OK;
            case RPTFORMROW_ROWFIELDS: value->SetText(GetRowFields()); return S_OK;
            default: return SRptTableRowImpl::GetAttribute(id, value);
        }
    });
}

// Both texts are read-only: they go on to the row, which does not know them.
HRESULT SRptFormRowMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptTableRowImpl::SetAttribute(id, value); });
}

HRESULT SRptFormRowMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            // Computed: no default, an empty value of their type.
            case RPTFORMROW_DISPNAME: value->SetChar(SString()); return E_NOTIMPL;
            case RPTFORMROW_ROWFIELDS: value->SetText(SString()); return E_NOTIMPL;
            default: return SRptTableRowImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptFormRowMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFORMROW_DISPNAME: return kDispNameFlags;
        case RPTFORMROW_ROWFIELDS: return kRowFieldsFlags;
        default: return SRptTableRowImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptFormRowMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFORMROW_DISPNAME: return SREP_VT_CHAR254;
        case RPTFORMROW_ROWFIELDS: return SREP_VT_TEXT;
        default: return SRptTableRowImpl::GetAttributeType(id);
    }
}

bool SRptFormRowMem::HasAttribute(int32_t id) const {
    return id == RPTFORMROW_DISPNAME || id == RPTFORMROW_ROWFIELDS || SRptTableRowMem::HasAttribute(id);
}

bool SRptFormRowMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptFormRow || SRptTableRowMem::ClassIsKindOf(clsid);
}

bool SRptFormRowMem::ClassHasCollection(int32_t id) {
    return SRptTableRowMem::ClassHasCollection(id);
}

HRESULT SRptFormRowMem::FinalConstruct() {
    HRESULT hr = SRptTableRowImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptFormRowRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptFormRowImpl ----

SString SRptFormRowImpl::GetRowFields() {
    SRepObjIterator cells(static_cast<ISRepObject*>(this), RPTTABLEROW_CELLS);
    SComWrap<ISRptFormCell> cell;
    SString fields;
    bool first = true;
    while (cells.Next(cell)) {
        // A form row holds form cells only; anything else is a broken row.
        if (!cell) throw SECOMException(E_POINTER);
        // Keyword cells identify the row; they are not among its fields.
        if (cell->GetKeyword()) continue;
        // An empty name still takes its place: the fields keep their positions.
        if (!first) fields += ";";
        first = false;
        fields += cell->GetDispName();
    }
    return fields;
}

HRESULT SRptFormRowImpl::ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) {
    const HRESULT hr = SRptTableRowImpl::ConstructWithRowDef(pRowDef);
    return FAILED(hr) ? hr : S_OK;
}

// ---- SRptFormRowRegistry ----

const SAttrEditorMap SRptFormRowRegistry::attrEditorMap = {&SRptTableRowRegistry::attrEditorMap,
                                                           SREP_NO_ATTR_EDITORS};

// Rows are allocated one by one.
SRptFormRowRegistry::SRptFormRowRegistry()
    : SRepStaticRegistry(CLSID_SRptFormRow, &attrEditorMap, &SRepComObject<SRptFormRowImpl>::Factory,
                         &SRptFormRowMem::ClassIsKindOf, &SRptFormRowMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
