#include "rpt/objs/tables/SRptTableRowMem.h"

#include <algorithm>

#include "platform/base/SECOMException.h"
#include "platform/gdi/MulDiv.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptOwnerEnd.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/RptApi.h"
#include "varod9/RptTableDef.h"

namespace {

// The next cell of the walk; an element that is no cell is as wrong as a failing collection.
bool NextCell(SRepObjIterator& cells, SComWrap<ISRptTableCell>& cell) {
    if (!cells.Next(cell)) return false;
    if (!cell) throw SECOMException(E_POINTER);
    return true;
}

}  // namespace

// ---- SRptTableRowImpl: cells and table ----

int32_t SRptTableRowImpl::GetNbCells() {
    SRepClassColPtr cells(static_cast<ISRepObject*>(this), RPTTABLEROW_CELLS);
    if (!cells) throw SECOMException(E_POINTER);
    return cells.GetCount();
}

HRESULT SRptTableRowImpl::GetCellsWidths(int32_t nParaWidth, int32_t* nWidths) {
    if (!nWidths) return E_INVALIDARG;
    SRepObjIterator cells(static_cast<ISRepObject*>(this), RPTTABLEROW_CELLS);
    SComWrap<ISRptTableCell> cell;
    // What the fixed widths leave is shared out in percent among the others; disabled cells take
    // no part. Summed in 64 bits: many wide cells must not wrap round into room.
    int64_t fixed = 0;
    while (NextCell(cells, cell)) {
        if (!cell->GetEnabled()) continue;
        const int16_t width = cell->GetWidth();
        if (width >= 0) fixed += width;
    }
    const int32_t rest = static_cast<int32_t>(std::max<int64_t>(0, int64_t{nParaWidth} - fixed));
    cells.Reset();
    int32_t* next = nWidths;
    while (NextCell(cells, cell)) {
        if (!cell->GetEnabled()) continue;
        const int16_t width = cell->GetWidth();
        *next++ = width > 0 ? width : MulDiv(-int32_t{width}, rest, 100);
    }
    return S_OK;
}

HRESULT SRptTableRowImpl::GetTable(ISRptTable** pTable) {
    return SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLEROW_TABLEFROMROW, pTable);
}

HRESULT SRptTableRowImpl::ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) noexcept {
    if (!pRowDef) return S_FALSE;
    // The record's size word and its cells are the table's to check and build.
    PutHeightType(pRowDef->HeightType);
    PutHeight(pRowDef->Height);
    PutLeft(pRowDef->Left);
    PutRowBreak(pRowDef->RowBreak != 0);
    PutAlignment(pRowDef->Alignment);
    PutSpBetweenCells(pRowDef->SpBetweenCells);
    PutHeadingRow(pRowDef->HeadingRow != 0);
    PutFootingRow(pRowDef->FootingRow != 0);
    PutEnabled(pRowDef->Enabled != 0);
    return S_OK;
}
