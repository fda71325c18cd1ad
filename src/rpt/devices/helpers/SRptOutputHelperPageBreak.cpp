#include "rpt/devices/helpers/SRptOutputHelperPageBreak.h"

HRESULT SRptOutputHelperPageBreak::Init(IUnknown*) {
    return S_OK;
}

SString SRptOutputHelperPageBreak::GetText() {
    return SString();
}
