#include "rpt/devices/SRptOutputHelperPageBreak.h"

HRESULT SRptOutputHelperPageBreak::Init(IUnknown*) {
    return S_OK;
}

SString SRptOutputHelperPageBreak::GetText() {
    return SString();
}
