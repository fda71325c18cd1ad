#include "rpt/devices/print/SRptPhysicalItemUserGraphic.h"

#include <algorithm>

#include "platform/gdi/MulDiv.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/devices/print/SRptDrawablePicture.h"
#include "rpt/devices/print/SRptPageElementPicture.h"
#include "rpt/devices/print/SRptPhysicalItemGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"

HRESULT SRptPhysicalItemUserGraphic::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementPicture>(page, element);
}

HRESULT SRptPhysicalItemUserGraphic::Begin() {
    m_row = 0;
    m_column = 0;
    return SRptPhysicalItem::Begin();
}

bool SRptPhysicalItemUserGraphic::PlaceTile(int32_t width, int32_t available, int32_t pageHeight, const SIZE& drawing,
                                            RECT* dest, SIZE* size, int32_t* columns, int32_t* rows, bool* newPage) {
    SComWrap<ISRptUserGraphic> item;
    item = GetNodeItem();
    if (!item) SComThrow(E_POINTER);
    *columns = 1;
    *rows = 1;
    *newPage = false;
    if (item->GetUseZoom()) {
        const int32_t zw = MulDiv(drawing.cx, item->GetZoomPerct(), 100);
        const int32_t zh = MulDiv(drawing.cy, item->GetZoomPerct(), 100);
        if (zw <= 0 || zh <= 0) return false;
        *columns = zw / width + 1;
        *rows = zh / pageHeight + 1;
        const int32_t dx = static_cast<int32_t>((static_cast<int64_t>(*columns) * width - zw) / 2 -
                                                static_cast<int64_t>(m_column) * width);
        const int32_t dy = static_cast<int32_t>((static_cast<int64_t>(*rows) * pageHeight - zh) / 2 -
                                                static_cast<int64_t>(m_row) * pageHeight);
        *dest = RECT{dx, dy, dx + zw, dy + zh};
        *size = SIZE{width, pageHeight};
        return true;
    }
    const SIZE fitted = SRptPhysicalItemGraphicFile::FitSize(drawing, width, pageHeight);
    if (item->GetOnePageType() == 2) {
        // A page of its own: the drawing is centred on the whole body.
        if (available < pageHeight) {
            *newPage = true;
            return false;
        }
        const int32_t left = (width - fitted.cx) / 2;
        const int32_t top = (pageHeight - fitted.cy) / 2;
        *dest = RECT{left, top, left + fitted.cx, top + fitted.cy};
        *size = SIZE{width, pageHeight};
        return true;
    }
    *dest = RECT{0, 0, fitted.cx, fitted.cy};
    *size = fitted;
    return true;
}

HRESULT SRptPhysicalItemUserGraphic::Layout(SRptPhysicalPage* page, int32_t width, int32_t available,
                                            int32_t pageHeight, SRptPageElement* element, int32_t* status) {
    if (!page || !element || !status) return E_INVALIDARG;
    *status = RPTLAYOUT_DONE;
    auto* helper = dynamic_cast<SRptOutputHelperUserGraphic*>(GetOutputHelper());
    auto* picture = helper ? dynamic_cast<SRptGraphicMetaFile*>(helper->GetPicture()) : nullptr;
    if (!picture || width <= 0 || pageHeight <= 0) return S_FALSE;
    const SSize drawing = picture->GetMetaFileA()->GetSize();
    const SSize device = picture->GetMetaFileA()->GetSizeInDeviceUnits();
    if (drawing.cx <= 0 || drawing.cy <= 0 || device.cx <= 0) return S_FALSE;
    const double r = static_cast<double>(drawing.cx) / device.cx + 1.0;

    RECT dest{};
    SIZE size{};
    int32_t columns = 1;
    int32_t rows = 1;
    bool newPage = false;
    if (!PlaceTile(width, available, pageHeight, SIZE{drawing.cx, drawing.cy}, &dest, &size, &columns, &rows, &newPage)) {
        if (newPage) *status = RPTLAYOUT_MORE;
        return S_FALSE;
    }
    if (size.cy > available) {
        *status = RPTLAYOUT_MORE;
        return S_FALSE;
    }
    // Room for the pen of the drawing's outer lines.
    const int32_t margin = static_cast<int32_t>(2 * r);
    if (!element->GetDrawable()) {
        const HRESULT hr = element->CreateDrawable();
        if (FAILED(hr)) return hr;
    }
    static_cast<SRptDrawablePicture*>(element->GetDrawable())
        ->SetPicture(picture, size.cx + margin, size.cy + margin, dest);
    element->UpdateExtent();

    if (m_column + 1 < columns) {
        ++m_column;
        *status = RPTLAYOUT_MORE;
    } else if (m_row + 1 < rows) {
        m_column = 0;
        ++m_row;
        *status = RPTLAYOUT_MORE;
    }
    return S_OK;
}
