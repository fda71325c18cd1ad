#include "rpt/devices/print/SRptPhysicalItemList.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "varod9/ISRptList.h"

HRESULT SRptPhysicalItemList::GetPara(ISRptPara** para) {
    return HeadingParaOf<ISRptList>(para);
}

HRESULT SRptPhysicalItemList::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = helper->GetFirstText();
    return S_OK;
}
