#include "rpt/devices/SRptPageElementPicture.h"

#include <new>

#include "rpt/devices/SRptDrawablePicture.h"

HRESULT SRptPageElementPicture::CreateDrawable() {
    SetDrawable(nullptr);
    return SetDrawable(std::unique_ptr<SRptDrawable>(new (std::nothrow) SRptDrawablePicture(this)));
}
