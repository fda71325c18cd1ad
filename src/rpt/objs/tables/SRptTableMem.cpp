#include "rpt/objs/tables/SRptTableMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptApi.h"

namespace {

// The row at a position; an element that is no row is as wrong as a failing collection.
SComWrap<ISRptTableRow> RowAt(const SRepClassColPtr& rows, int32_t position) {
    SComWrap<ISRptTableRow> row;
    row = static_cast<IUnknown*>(rows.Item(position).Get());
    if (!row) throw SECOMException(E_POINTER);
    return row;
}

}  // namespace

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
