#include "rpt/objs/tables/SRptFormMem.h"

#include "varod9/RptApi.h"

// ---- SRptFormImpl ----

HRESULT SRptFormImpl::IsParaSupportBox(int32_t nPos) noexcept {
    return nPos == RPTTABLE_PARA_CELLTITLE ? S_OK : S_FALSE;
}

HRESULT SRptFormImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered) return E_FAIL;
    return E_NOTIMPL;
}
