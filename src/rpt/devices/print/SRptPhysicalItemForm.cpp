#include "rpt/devices/print/SRptPhysicalItemForm.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptForm.h"

HRESULT SRptPhysicalItemForm::GetPara(ISRptPara** para) {
    return HeadingParaOf<ISRptForm>(para);
}

HRESULT SRptPhysicalItemForm::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
