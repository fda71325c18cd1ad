#include "rpt/devices/graphics/SRptGraphicLayout.h"

#include <algorithm>

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"

namespace {

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

SSize SRptGraphicLayout::FitInIntegers(SSize size, SSize area) {
    int64_t cx = size.cx, cy = size.cy;
    if (cx > area.cx && cx > 0) {
        cy = cy * area.cx / cx;
        cx = area.cx;
    }
    if (cy > area.cy && cy > 0) {
        cx = cx * area.cy / cy;
        cy = area.cy;
    }
    return SSize{ToInt32(cx), ToInt32(cy)};
}

double SRptGraphicLayout::FitRatio(SSize size, SSize area) {
    if (size.cx <= 0 || size.cy <= 0) return 1.0;
    const double w0 = std::min(size.cx, area.cx);
    const double h0 = std::min(size.cy, area.cy);
    return std::min(w0 / size.cx, h0 / size.cy);
}

SSize SRptGraphicLayout::FitByRatio(SSize size, SSize area) {
    const double r = FitRatio(size, area);
    if (r >= 1.0) return size;
    return SSize{static_cast<int32_t>(std::min<double>(size.cx * r, area.cx)),
                 static_cast<int32_t>(std::min<double>(size.cy * r, area.cy))};
}

SSize SRptGraphicLayout::PrintableArea(IUnknown* pItem) {
    SComWrap<ISRptItem> item;
    item = pItem;
    SComWrap<ISRptTemplate> itemTemplate;
    if (item) item->GetTemplate(&itemTemplate);
    if (!itemTemplate) SComThrow(E_POINTER);
    const POINT paper = itemTemplate->GetPaperSize();
    const RECT margin = itemTemplate->GetMargin();
    return SSize{ToInt32(int64_t{paper.x} - margin.left - margin.right),
                 ToInt32(int64_t{paper.y} - margin.top - margin.bottom)};
}
