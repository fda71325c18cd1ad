#include "rpt/devices/print/SRptParagraphLines.h"

#include <algorithm>
#include <new>

#include "platform/com/SComThrow.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SFontOld.h"
#include "rpt/devices/print/SRptPhysicalDrawing.h"

SRptParagraphLines::SRptParagraphLines(ISRptPara* para) {
    m_para.Assign(para);
}

HRESULT SRptParagraphLines::AddLine(const SString& text, const SIZE& lineSize, const RECT& rect, int32_t extra,
                                    int32_t breaks, const STable<RPTTABSEGMENT>& runs) {
    try {
        std::vector<RPTTABSEGMENT> copy;
        copy.reserve(static_cast<size_t>(std::max(0, runs.GetCount())));
        for (int32_t i = 0; i < runs.GetCount(); ++i) copy.push_back(runs[i]);
        m_lines.push_back(std::make_unique<SRptTextLine>(rect.left, rect.top + m_height, rect.right - rect.left,
                                                         rect.bottom - rect.top, text, extra, breaks, std::move(copy)));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    m_height += lineSize.cy;
    m_width = std::max(m_width, lineSize.cx);
    return S_OK;
}

void SRptParagraphLines::Clear() {
    m_lines.clear();
    m_width = 0;
    m_height = 0;
}

HRESULT SRptParagraphLines::Draw(SDC* dc, const POINT& origin) const {
    if (!dc) return E_INVALIDARG;
    if (!m_para) SComThrow(E_POINTER);
    SFontOldPtr font = m_para->GetFont(dc);
    HFONT previous = font ? dc->SelectFont(font.get()) : nullptr;
    const bool fillTabs = m_para->GetFillTabs();
    HRESULT hr = S_OK;
    for (const auto& line : m_lines) hr = line->Draw(dc, origin, fillTabs);
    DrawBorder(*dc, origin);
    if (previous) dc->SelectFont(previous);
    return hr;
}

void SRptParagraphLines::DrawBorder(SDC& dc, const POINT& origin) const {
    const int16_t bits = m_para->GetBorder();
    const int32_t width = m_para->GetBorderWidth();
    const int32_t h = width / 2;
    const int32_t textLeft = std::max<int32_t>(0, m_para->GetSpTxtBorderLeft());
    const int32_t left = origin.x + m_para->GetLeft() - h - textLeft;
    const int32_t top = origin.y + m_para->GetSpBefore() + h;
    const int32_t bottom = origin.y + m_height - h - m_para->GetSpAfter();
    // The block is as wide as the line boxes, which hold both indents: the right edge stands as
    // far beyond the text's end as the left edge stands before its start.
    const int32_t right = origin.x + m_width - m_para->GetRight() + m_para->GetSpTxtBorderRight() + h;
    std::vector<SRptPhysicalDrawing::SEdge> edges;
    if (bits & 0x02) edges.push_back({{left, top}, {right, top}});
    if (bits & 0x04) edges.push_back({{right, top}, {right, bottom}});
    if (bits & 0x08) edges.push_back({{right, bottom}, {left, bottom}});
    if (bits & 0x01) edges.push_back({{left, bottom}, {left, top}});
    SRptPhysicalDrawing::StrokeEdges(dc, width, edges);
}
