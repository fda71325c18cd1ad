#include "rpt/devices/graphics/SRptUserGraphicLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SImagePixels.h"
#include "platform/gdi/SMetaFile.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicLayout.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

SRptUserGraphicLayout::SRptUserGraphicLayout(SSize drawing, SSize pixels, SSize area, bool useZoom,
                                             int32_t onePageType, int32_t zoomPerct)
    : m_drawing(drawing), m_area(area), m_useZoom(useZoom), m_onePageType(onePageType), m_zoomPerct(zoomPerct) {
    if (area.cx <= 0 || area.cy <= 0 || drawing.cx <= 0 || drawing.cy <= 0 || pixels.cx <= 0) return;
    m_edgeAllowance = static_cast<int32_t>(std::trunc(2.0 * (static_cast<double>(drawing.cx) / pixels.cx + 1.0)));
    if (!useZoom) {
        m_placed = SRptGraphicLayout::FitByRatio(drawing, area);
        m_columns = m_rows = 1;
        return;
    }
    m_placed = SSize{MulDiv(drawing.cx, zoomPerct, 100), MulDiv(drawing.cy, zoomPerct, 100)};
    if (m_placed.cx <= 0 || m_placed.cy <= 0) return;
    // One more page even when the zoomed drawing is an exact number of pages.
    m_columns = ToInt32(int64_t{m_placed.cx} / area.cx + 1);
    m_rows = ToInt32(int64_t{m_placed.cy} / area.cy + 1);
}

SRptUserGraphicLayout::SRptUserGraphicLayout(const SMetaFile& drawing, SSize area, ISRptUserGraphic* pItem)
    : SRptUserGraphicLayout(drawing.GetSize(), drawing.GetSizeInDeviceUnits(), area, pItem->GetUseZoom(),
                            pItem->GetOnePageType(), pItem->GetZoomPerct()) {}

SRptPictureTile SRptUserGraphicLayout::GetTile(int32_t row, int32_t column) const {
    const int32_t aw = m_area.cx, ah = m_area.cy, w = m_placed.cx, h = m_placed.cy;
    if (!m_useZoom) {
        if (m_onePageType != 2) return {RECT{0, 0, w, h}, SSize{w, h}};
        const int32_t left = (aw - w) / 2, top = (ah - h) / 2;
        return {RECT{left, top, left + w, top + h}, m_area};
    }
    // The zoomed drawing centred on the grid of pages; each page shows its window of it.
    const int64_t dx = (int64_t{m_columns} * aw - w) / 2 - int64_t{column} * aw;
    const int64_t dy = (int64_t{m_rows} * ah - h) / 2 - int64_t{row} * ah;
    return {RECT{ToInt32(dx), ToInt32(dy), ToInt32(dx + w), ToInt32(dy + h)}, m_area};
}

bool SRptUserGraphicLayout::IsPlaced() const {
    if (IsEmpty() || GetTileCount() > kMaxTiles) return false;
    // Every page image has the size of the first.
    const SSize page = GetTile(0, 0).size;
    const SIZE pixels = SRptGraphicBitmap::PixelsOf(
        SSize{ToInt32(int64_t{page.cx} + m_edgeAllowance), ToInt32(int64_t{page.cy} + m_edgeAllowance)});
    return !SImagePixels::IsBeyondLimit(pixels.cx, pixels.cy);
}

double SRptUserGraphicLayout::GetScale() const {
    if (m_useZoom) return m_zoomPerct * 0.01;
    return SRptGraphicLayout::FitRatio(m_drawing, m_area);
}
