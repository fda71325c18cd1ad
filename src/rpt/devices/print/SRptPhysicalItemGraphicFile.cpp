#include "rpt/devices/print/SRptPhysicalItemGraphicFile.h"

#include <algorithm>

#include "platform/base/SFile.h"
#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"
#include "rpt/devices/print/SRptDrawablePicture.h"
#include "rpt/devices/print/SRptPageElementPicture.h"

HRESULT SRptPhysicalItemGraphicFile::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementPicture>(page, element);
}

SIZE SRptPhysicalItemGraphicFile::FitSize(const SIZE& size, int32_t width, int32_t height) {
    int32_t w = std::min(size.cx, width);
    int32_t h = std::min(size.cy, height);
    const double scale = std::min(static_cast<double>(w) / size.cx, static_cast<double>(h) / size.cy);
    if (scale < 1.0) {
        w = std::min(w, static_cast<int32_t>(size.cx * scale));
        h = std::min(h, static_cast<int32_t>(size.cy * scale));
    }
    return SIZE{w, h};
}

HRESULT SRptPhysicalItemGraphicFile::Layout(SRptPhysicalPage* page, int32_t width, int32_t available,
                                            int32_t pageHeight, SRptPageElement* element, int32_t* status) {
    if (!page || !element || !status) return E_INVALIDARG;
    *status = RPTLAYOUT_DONE;
    auto* helper = dynamic_cast<SRptOutputHelperGraphicFile*>(GetOutputHelper());
    SRptGraphic* picture = helper ? helper->GetPicture() : nullptr;
    if (!picture || !SFile::Exists(helper->GetPath())) return S_FALSE;
    if (picture->LoadFile(helper->GetPath(), GetDC()) != 1) return S_FALSE;
    const SSize natural = picture->GetSize();
    if (natural.cx <= 0 || natural.cy <= 0 || width <= 0 || pageHeight <= 0) return S_FALSE;
    const SIZE size = FitSize(SIZE{natural.cx, natural.cy}, width, pageHeight);
    if (size.cy > available) {
        *status = RPTLAYOUT_MORE;
        return S_FALSE;
    }
    if (!element->GetDrawable()) {
        const HRESULT hr = element->CreateDrawable();
        if (FAILED(hr)) return hr;
    }
    static_cast<SRptDrawablePicture*>(element->GetDrawable())
        ->SetPicture(picture, size.cx, size.cy, RECT{0, 0, size.cx, size.cy});
    element->UpdateExtent();
    return S_OK;
}
