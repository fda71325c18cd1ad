#include "rpt/devices/print/SRptPageFrame.h"

#include <algorithm>

#include "platform/com/SComThrow.h"
#include "platform/gdi/SDC.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/print/SRptPageElement.h"
#include "rpt/devices/print/SRptPhysicalItemHeaderFooter.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "varod9/ISRptTemplate.h"

namespace {

// A device length in hundredths of a millimetre.
int32_t ToHimetric(int32_t value, double unitsPerMm) {
    if (unitsPerMm <= 0) return 0;
    return static_cast<int32_t>(value * 100.0 / unitsPerMm);
}

}  // namespace

SRptPageFrame::SRptPageFrame(SRptPhysicalLayer* layer, SRptGenerationNode* node) : m_layer(layer), m_node(node) {
    SDC* dc = layer ? layer->GetPrinterDC() : nullptr;
    const double perMmX = layer ? layer->GetUnitsPerMmX() : 0;
    const double perMmY = layer ? layer->GetUnitsPerMmY() : 0;
    auto caps = [dc](int32_t index) { return dc ? dc->GetDeviceCaps(index) : 0; };
    const int32_t paperWidth = ToHimetric(caps(PHYSICALWIDTH), perMmX);
    const int32_t paperHeight = ToHimetric(caps(PHYSICALHEIGHT), perMmY);
    const int32_t printableWidth = ToHimetric(caps(HORZRES), perMmX);
    const int32_t printableHeight = ToHimetric(caps(VERTRES), perMmY);
    const int32_t offsetX = ToHimetric(caps(PHYSICALOFFSETX), perMmX);
    const int32_t offsetY = ToHimetric(caps(PHYSICALOFFSETY), perMmY);

    SComWrap<ISRptTemplate> reportTemplate;
    reportTemplate = node ? node->GetItem() : nullptr;
    if (!reportTemplate) SComThrow(E_POINTER);
    m_margins = reportTemplate->GetMargin();
    m_minMargins = reportTemplate->GetMinMargin();
    m_page = RECT{0, 0, printableWidth, printableHeight};

    // Nothing is printed in the unprintable border: the margins start where printing can.
    m_margins.left = std::max(m_margins.left, offsetX);
    int32_t headerTop = kHeaderTop;
    if (offsetY > kHeaderTop) {
        m_margins.top += offsetY - kHeaderTop;
        headerTop = offsetY;
    }
    m_body.left = std::max(0, m_margins.left - offsetX);
    m_body.top = std::max(0, m_margins.top - offsetY);
    m_body.right = std::min(printableWidth, paperWidth - m_margins.right - offsetX);
    m_body.bottom = std::min(printableHeight, paperHeight - m_margins.bottom - offsetY);
    m_headerRect = RECT{m_body.left, std::max(0, headerTop - offsetY), m_body.right, m_body.top - 1};
    m_footerRect =
        RECT{m_body.left, m_body.bottom + 1, m_body.right, std::min(printableHeight, paperHeight - offsetY - kHeaderTop)};
}

SRptPageFrame::~SRptPageFrame() = default;

void SRptPageFrame::SetHeaderFooter(std::unique_ptr<SRptPhysicalItemHeaderFooter> header,
                                    std::unique_ptr<SRptPhysicalItemHeaderFooter> footer) {
    m_header = std::move(header);
    m_footer = std::move(footer);
}

RECT SRptPageFrame::GetUsableRect(const SRptPageElement* header, const SRptPageElement* footer) const {
    const int32_t headerBottom = header ? header->GetBottom() : m_body.top;
    const int32_t footerTop = footer ? footer->GetRect().top : m_body.bottom;
    RECT usable;
    usable.left = m_body.left;
    usable.right = m_body.right;
    usable.top = std::max(m_body.top, headerBottom + 1);
    usable.bottom = std::min(m_body.bottom, std::max(footerTop, headerBottom) - 1);
    return usable;
}
