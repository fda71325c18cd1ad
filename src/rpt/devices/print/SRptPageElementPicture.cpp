#include "rpt/devices/print/SRptPageElementPicture.h"

#include <new>

#include "rpt/devices/print/SRptDrawablePicture.h"

HRESULT SRptPageElementPicture::CreateDrawable() {
    SetDrawable(nullptr);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawablePicture(this)));
}
