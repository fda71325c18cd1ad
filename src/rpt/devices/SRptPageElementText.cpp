#include "rpt/devices/SRptPageElementText.h"

#include <new>

#include "rpt/devices/SRptDrawableParagraph.h"
#include "rpt/devices/SRptPhysicalItem.h"

HRESULT SRptPageElementText::CreateDrawable() {
    SetDrawable(nullptr);
    SComWrap<ISRptPara> para;
    if (SRptPhysicalItem* item = GetItem()) item->GetPara(&para);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawableParagraph(this, para.Get())));
}
