#include "rpt/objs/tables/SRptFormRowMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/ISRptFormCell.h"
#include "varod9/RptApi.h"

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

HRESULT SRptFormRowImpl::ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) noexcept {
    const HRESULT hr = SRptTableRowImpl::ConstructWithRowDef(pRowDef);
    return FAILED(hr) ? hr : S_OK;
}
