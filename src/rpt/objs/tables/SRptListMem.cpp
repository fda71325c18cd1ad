#include "rpt/objs/tables/SRptListMem.h"

#include "platform/repo/SRepVariant.h"
#include "varod9/RptApi.h"

// ---- SRptListImpl ----

HRESULT SRptListImpl::IsParaSupportBox(int32_t nPos) noexcept {
    return nPos == RPTTABLE_PARA_TITLE ? S_FALSE : S_OK;
}

HRESULT SRptListImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered) return E_FAIL;
    return E_NOTIMPL;
}
