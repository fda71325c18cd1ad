#include "rpt/devices/print/SRptPhysicalItemTitle.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptTitle.h"

HRESULT SRptPhysicalItemTitle::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptTitle>(para);
}

HRESULT SRptPhysicalItemTitle::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
