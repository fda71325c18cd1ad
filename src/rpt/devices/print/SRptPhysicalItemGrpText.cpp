#include "rpt/devices/print/SRptPhysicalItemGrpText.h"

#include "platform/base/SRtfDocument.h"
#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "rpt/devices/html/SRptHtmlRtfText.h"
#include "varod9/ISRptGrpText.h"

HRESULT SRptPhysicalItemGrpText::GetPara(int32_t index, ISRptPara** para) {
    if (!para) return E_POINTER;
    SComWrap<ISRptGrpText> item;
    item = GetNodeItem();
    if (!item) SComThrow(E_POINTER);
    *para = ParaAt(item.Get(), index == 0 ? 0 : 1).Detach();
    return S_OK;
}

HRESULT SRptPhysicalItemGrpText::GetText(int32_t index, SString* text) {
    if (!text) return E_POINTER;
    SRptOutputHelper* helper = GetOutputHelper();
    if (!helper) return S_OK;
    if (index == 0) {
        *text = helper->GetFirstText();
        return S_OK;
    }
    const SString body = helper->GetSecondText();
    *text = SRtfDocument::IsRtf(body.view()) ? SRptHtmlRtfText::ToText(body.view()) : body;
    return S_OK;
}
