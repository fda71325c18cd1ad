#include "rpt/objs/tables/SRptFormCellMem.h"

#include "varod9/RptApi.h"

// ---- SRptFormCellImpl ----

HRESULT SRptFormCellImpl::ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept {
    const HRESULT hr = SRptTableCellImpl::ConstructWithCellDef(pCellDef, hResInst);
    return FAILED(hr) ? hr : S_OK;
}
