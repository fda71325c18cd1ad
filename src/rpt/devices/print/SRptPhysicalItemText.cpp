#include "rpt/devices/print/SRptPhysicalItemText.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptText.h"

HRESULT SRptPhysicalItemText::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptText>(para);
}

HRESULT SRptPhysicalItemText::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
