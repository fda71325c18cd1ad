#include "rpt/devices/print/SRptPhysicalItemGraphicFile.h"

#include "platform/base/SFile.h"
#include "rpt/devices/graphics/SRptGraphicLayout.h"
#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"
#include "rpt/devices/print/SRptDrawablePicture.h"
#include "rpt/devices/print/SRptPageElementPicture.h"

HRESULT SRptPhysicalItemGraphicFile::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementPicture>(page, element);
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
    const SSize size = SRptGraphicLayout::FitByRatio(natural, SSize{width, pageHeight});
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
