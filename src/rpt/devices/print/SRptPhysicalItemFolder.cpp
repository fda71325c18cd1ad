#include "rpt/devices/print/SRptPhysicalItemFolder.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptFolder.h"

HRESULT SRptPhysicalItemFolder::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptFolder>(para);
}

HRESULT SRptPhysicalItemFolder::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
