#include "rpt/devices/print/SRptPhysicalItemGrpTitle.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptGrpTitle.h"

HRESULT SRptPhysicalItemGrpTitle::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptGrpTitle>(para);
}

HRESULT SRptPhysicalItemGrpTitle::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
