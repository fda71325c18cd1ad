#include "rpt/devices/SRptPageElementTable.h"

#include <new>

#include "rpt/devices/SRptDrawableTable.h"
#include "rpt/devices/SRptPhysicalItem.h"

HRESULT SRptPageElementTable::CreateDrawable() {
    SetDrawable(nullptr);
    SComWrap<ISRptPara> para;
    if (SRptPhysicalItem* item = GetItem()) item->GetPara(&para);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawableTable(this, para.Get())));
}
