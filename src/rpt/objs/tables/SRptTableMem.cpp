#include "rpt/objs/tables/SRptTableMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTableMem", "SRptTableMem");

// The row at a position; an element that is no row is as wrong as a failing collection.
SComWrap<ISRptTableRow> RowAt(const SRepClassColPtr& rows, int32_t position) {
    SComWrap<ISRptTableRow> row;
    row = static_cast<IUnknown*>(rows.Item(position).Get());
    if (!row) throw SECOMException(E_POINTER);
    return row;
}

}  // namespace

// ---- SRptTableMem: the attribute protocol adds the rows to the custom item's ----

HRESULT SRptTableMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLE_ROWS: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptCustomImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTableMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptCustomImpl::SetAttribute(id, value); });
}

HRESULT SRptTableMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptCustomImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptTableMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptCustomImpl::GetAttributeFlags(id);
}

uint32_t SRptTableMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptCustomImpl::GetAttributeType(id);
}

bool SRptTableMem::HasAttribute(int32_t id) const {
    return SRptCustomMem::HasAttribute(id);
}

bool SRptTableMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTable || SRptCustomMem::ClassIsKindOf(clsid);
}

bool SRptTableMem::ClassHasCollection(int32_t id) {
    return id == RPTTABLE_ROWS || SRptCustomMem::ClassHasCollection(id);
}

HRESULT SRptTableMem::FinalConstruct() {
    HRESULT hr = SRptCustomImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTableRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTableImpl: counting ----

SRepClassColPtr SRptTableImpl::RowsOrThrow() {
    SRepClassColPtr rows(static_cast<ISRepObject*>(this), RPTTABLE_ROWS);
    if (!rows) throw SECOMException(E_POINTER);
    return rows;
}

int32_t SRptTableImpl::GetNbRows() {
    return RowsOrThrow().GetCount();
}

int32_t SRptTableImpl::GetNbMaxCells() {
    const SRepClassColPtr rows = RowsOrThrow();
    const int32_t count = rows.GetCount();
    int32_t most = 0;
    for (int32_t position = 0; position < count; ++position) {
        const int32_t cells = RowAt(rows, position)->GetNbCells();
        if (cells >= most) most = cells;
    }
    return most;
}

int32_t SRptTableImpl::GetNbHeadingRows() {
    const SRepClassColPtr rows = RowsOrThrow();
    const int32_t count = rows.GetCount();
    // Only the run at the top heads the table: a heading row further down is an ordinary one.
    int32_t heading = 0;
    while (heading < count && RowAt(rows, heading)->GetHeadingRow()) ++heading;
    return heading;
}

HRESULT SRptTableImpl::UpdateLabelPath(ISRptTable*) {
    return S_OK;
}

// ---- SRptTableRegistry ----

const SAttrEditorMap SRptTableRegistry::attrEditorMap = {&SRptCustomRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptTableRegistry::SRptTableRegistry()
    : SRepStaticRegistry(CLSID_SRptTable, &attrEditorMap, nullptr, &SRptTableMem::ClassIsKindOf,
                         &SRptTableMem::ClassHasCollection, 1, SRptGetModuleState()) {}
