#include "rpt/devices/helpers/SRptOutputHelperTblCts.h"

HRESULT SRptOutputHelperTblCts::Init(IUnknown*) {
    return S_OK;
}

SString SRptOutputHelperTblCts::GetText() {
    return SString();
}
