#include "rpt/devices/print/SRptPhysicalItemUserGraphic.h"

#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/graphics/SRptUserGraphicLayout.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/devices/print/SRptDrawablePicture.h"
#include "rpt/devices/print/SRptPageElementPicture.h"
#include "varod9/ISRptUserGraphic.h"

HRESULT SRptPhysicalItemUserGraphic::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementPicture>(page, element);
}

HRESULT SRptPhysicalItemUserGraphic::Begin() {
    m_row = 0;
    m_column = 0;
    return SRptPhysicalItem::Begin();
}

HRESULT SRptPhysicalItemUserGraphic::Layout(SRptPhysicalPage* page, int32_t width, int32_t available,
                                            int32_t pageHeight, SRptPageElement* element, int32_t* status) {
    if (!page || !element || !status) return E_INVALIDARG;
    *status = RPTLAYOUT_DONE;
    auto* helper = dynamic_cast<SRptOutputHelperUserGraphic*>(GetOutputHelper());
    auto* picture = helper ? dynamic_cast<SRptGraphicMetaFile*>(helper->GetPicture()) : nullptr;
    if (!picture) return S_FALSE;
    SComWrap<ISRptUserGraphic> item;
    item = GetNodeItem();
    if (!item) SComThrow(E_POINTER);
    const SMetaFile& metaFile = *picture->GetMetaFileA();
    const SRptUserGraphicLayout layout(metaFile, SSize{width, pageHeight}, item.Get());
    if (!layout.IsPlaced()) return S_FALSE;
    // A centred drawing needs a page of its own: the pagination opens one.
    if (!item->GetUseZoom() && item->GetOnePageType() == 2 && available < pageHeight) {
        *status = RPTLAYOUT_MORE;
        return S_FALSE;
    }
    const SRptPictureTile tile = layout.GetTile(m_row, m_column);
    if (tile.size.cy > available) {
        *status = RPTLAYOUT_MORE;
        return S_FALSE;
    }
    if (!element->GetDrawable()) {
        const HRESULT hr = element->CreateDrawable();
        if (FAILED(hr)) return hr;
    }
    // Room for the pen of the drawing's outer lines.
    const int32_t allowance = layout.GetEdgeAllowance();
    static_cast<SRptDrawablePicture*>(element->GetDrawable())
        ->SetPicture(picture, tile.size.cx + allowance, tile.size.cy + allowance, tile.target);
    element->UpdateExtent();

    if (m_column + 1 < layout.GetColumns()) {
        ++m_column;
        *status = RPTLAYOUT_MORE;
    } else if (m_row + 1 < layout.GetRows()) {
        m_column = 0;
        ++m_row;
        *status = RPTLAYOUT_MORE;
    }
    return S_OK;
}
