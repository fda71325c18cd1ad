#include "rpt/devices/print/SRptTableCellBlock.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SFontOld.h"
#include "platform/repo/ISRepObject.h"
#include "rpt/devices/print/SRptPhysicalDrawing.h"
#include "rpt/devices/print/SRptTableRowBlock.h"
#include "varod9/ISRptList.h"

SRptTableCellBlock::SRptTableCellBlock(SRptTableRowBlock* row, ISRptPara* para, int32_t contentWidth, int16_t border,
                                       int32_t borderWidth)
    : SRptParagraphLines(para), m_row(row), m_contentWidth(contentWidth), m_border(border), m_borderWidth(borderWidth) {
    if (!para) return;
    m_box = para->GetBox();
    m_boxWidth = para->GetBoxWidth();
    SComWrap<ISRepObject> parent;
    para->GetParentItem(&parent);
    SComWrap<ISRptList> list;
    list = static_cast<IUnknown*>(parent.Get());
    m_inList = static_cast<bool>(list);
}

int32_t SRptTableCellBlock::SideSpacing(int16_t bit) const {
    const int32_t half = (m_row ? m_row->GetSpacing() : 0) / 2;
    int32_t spacing = half;
    if (m_border & bit) spacing = std::max(spacing, m_borderWidth / 2);
    if (m_box) spacing = std::max(spacing, m_boxWidth / 2);
    return spacing;
}

int32_t SRptTableCellBlock::GetLeftSpacing() const {
    return SideSpacing(0x01);
}

int32_t SRptTableCellBlock::GetRightSpacing() const {
    return SideSpacing(0x04);
}

int32_t SRptTableCellBlock::GetTopLineWidth() const {
    int32_t width = (m_border & (0x02 | 0x10)) ? m_borderWidth : 0;
    return m_box ? std::max(width, m_boxWidth) : width;
}

int32_t SRptTableCellBlock::GetBottomLineWidth() const {
    int32_t width = (m_border & 0x08) ? m_borderWidth : 0;
    return m_box ? std::max(width, m_boxWidth) : width;
}

HRESULT SRptTableCellBlock::DrawText(SDC& dc, const POINT& origin, const RECT& clip) const {
    ISRptPara* para = GetPara();
    SFontOldPtr font = para ? para->GetFont(&dc) : nullptr;
    HFONT previous = font ? dc.SelectFont(font.get()) : nullptr;
    const uint32_t previousAlign = dc.SetTextAlign(TA_LEFT | TA_TOP);
    bool ok = true;
    for (const auto& line : GetLines())
        ok = SRptPhysicalDrawing::TextOut(dc, origin.x + line->GetX(), origin.y + line->GetY(), clip,
                                          line->GetText().view(), line->GetExtra(), line->GetBreaks());
    dc.SetTextAlign(previousAlign);
    if (previous) dc.SelectFont(previous);
    return ok ? S_OK : E_UNEXPECTED;
}

HRESULT SRptTableCellBlock::DrawCell(SDC* dc, const POINT& origin, int32_t rowHeight, int32_t spacingAbove,
                                     int32_t spacingBelow, bool lastRow, bool firstCell, bool lastCell,
                                     SRptPhysicalDrawing::SDrawnEdges& drawn) const {
    if (!dc) return E_INVALIDARG;
    const int32_t outer = GetOuterWidth();
    const RECT area{origin.x, origin.y, origin.x + outer, origin.y + rowHeight};
    const HRESULT hr = DrawText(*dc, POINT{origin.x + GetLeftSpacing(), origin.y + spacingAbove}, area);

    // The edges of a line of `width`, by which sides are asked for; lines of one width make one
    // path, whichever of border and box asks for them.
    std::vector<std::pair<int32_t, std::vector<SRptPhysicalDrawing::SEdge>>> paths;
    auto edges = [&](int32_t width, bool top, bool right, bool bottom, bool left) {
        const int32_t h = width / 2;
        const int32_t y0 = origin.y + h;
        const int32_t y1 = origin.y + h - spacingBelow + rowHeight;
        const int32_t x0 = origin.x;
        const int32_t x1 = origin.x + outer;
        auto path = std::find_if(paths.begin(), paths.end(), [&](const auto& p) { return p.first == width; });
        if (path == paths.end()) path = paths.insert(paths.end(), {width, {}});
        auto add = [&](bool wanted, POINT from, POINT to) {
            const SRptPhysicalDrawing::SEdge edge{from, to};
            if (wanted && drawn.Take(width, edge)) path->second.push_back(edge);
        };
        add(top, {x0, y0}, {x1, y0});
        add(right, {x1, y0}, {x1, y1});
        add(bottom, {x1, y1}, {x0, y1});
        add(left, {x0, y1}, {x0, y0});
    };
    edges(m_borderWidth, (m_border & (0x02 | 0x10)) != 0, (m_border & 0x04) != 0, (m_border & 0x08) != 0,
          (m_border & 0x01) != 0);
    if (m_box) {
        const int32_t row = m_row ? m_row->GetNumber() : 0;
        // A list's first row is its heading: the box closes it below and opens the body above.
        const bool top = row == 1 || (m_inList && row == 2);
        const bool bottom = lastRow || (m_inList && row == 1);
        edges(m_boxWidth, top, lastCell, bottom, firstCell);
    }
    for (const auto& [width, path] : paths) SRptPhysicalDrawing::StrokeEdges(*dc, width, path);
    return hr;
}
