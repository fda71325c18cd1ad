#include "rpt/devices/print/SRptPageElementTable.h"

#include <new>

#include "rpt/devices/print/SRptDrawableTable.h"
#include "rpt/devices/print/SRptPhysicalItem.h"

HRESULT SRptPageElementTable::CreateDrawable() {
    SetDrawable(nullptr);
    SComWrap<ISRptPara> para;
    if (SRptPhysicalItem* item = GetItem()) item->GetPara(&para);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawableTable(this, para.Get())));
}
