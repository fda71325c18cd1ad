#include "rpt/devices/print/SRptPageElementText.h"

#include <new>

#include "rpt/devices/print/SRptDrawableParagraph.h"
#include "rpt/devices/print/SRptPhysicalItem.h"

HRESULT SRptPageElementText::CreateDrawable() {
    SetDrawable(nullptr);
    SComWrap<ISRptPara> para;
    if (SRptPhysicalItem* item = GetItem()) item->GetPara(&para);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawableParagraph(this, para.Get())));
}
