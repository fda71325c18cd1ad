#include "rpt/objs/tables/SRptListCellMem.h"

#include "platform/repo/SRepVariant.h"
#include "varod9/RptApi.h"
#include "varod9/RptTableDef.h"

// ---- SRptListCellImpl ----

HRESULT SRptListCellImpl::ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept {
    const HRESULT hr = SRptTableCellImpl::ConstructWithCellDef(pCellDef, hResInst);
    if (FAILED(hr)) return hr;
    // Only a list's record carries the sortable word; a shorter one ends before it.
    if (!pCellDef || pCellDef->Size != RPTTABLECELLDEF_SIZE_LIST) return S_FALSE;
    PutSortable(pCellDef->Sortable != 0);
    return S_OK;
}
