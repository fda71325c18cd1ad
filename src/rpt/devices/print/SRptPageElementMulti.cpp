#include "rpt/devices/print/SRptPageElementMulti.h"

#include <new>

#include "rpt/devices/print/SRptDrawableParagraphList.h"

HRESULT SRptPageElementMulti::CreateDrawable() {
    SetDrawable(nullptr);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawableParagraphList(this)));
}
