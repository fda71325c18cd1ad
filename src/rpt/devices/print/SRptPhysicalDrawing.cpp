#include "rpt/devices/print/SRptPhysicalDrawing.h"

#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"

SRptPhysicalDrawing::SClipScope::SClipScope(SDC& dc, const RECT& clip)
    : m_dc(dc), m_hadClip(dc.GetDeviceClip().has_value()), m_previous{} {
    m_dc.GetClipBox(&m_previous);
    m_dc.IntersectClipRect(clip.left, clip.top, clip.right, clip.bottom);
}

SRptPhysicalDrawing::SClipScope::~SClipScope() {
    m_dc.SelectClipRgn(nullptr);
    if (m_hadClip) m_dc.IntersectClipRect(m_previous.left, m_previous.top, m_previous.right, m_previous.bottom);
}

bool SRptPhysicalDrawing::TextOut(SDC& dc, int32_t x, int32_t y, const RECT& clip, std::string_view text,
                                  int32_t extra, int32_t breaks) {
    SClipScope scope(dc, clip);
    if (text.empty()) return true;
    if (extra == 0 || breaks <= 0) return dc.TextOut(x, y, text);
    // Each run ends after a blank that takes its share of the extra room; what follows the
    // last counted blank goes out at once.
    const int32_t share = extra / breaks;
    int32_t remainder = extra % breaks;
    int32_t added = 0;
    int32_t counted = 0;
    size_t start = 0;
    bool ok = true;
    for (size_t pos = 0; pos < text.size() && counted < breaks; ++pos) {
        if (text[pos] != ' ') continue;
        const SIZE before = dc.GetTextExtent(text.substr(0, start));
        ok = dc.TextOut(x + before.cx + added, y, text.substr(start, pos + 1 - start));
        added += share;
        if (remainder > 0) {
            added += 1;
            --remainder;
        } else if (remainder < 0) {
            added -= 1;
            ++remainder;
        }
        ++counted;
        start = pos + 1;
    }
    if (start < text.size()) {
        const SIZE before = dc.GetTextExtent(text.substr(0, start));
        ok = dc.TextOut(x + before.cx + added, y, text.substr(start));
    }
    return ok;
}

void SRptPhysicalDrawing::StrokeEdges(SDC& dc, int32_t width, const std::vector<SEdge>& edges) {
    if (edges.empty()) return;
    HPEN pen = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    HGDIOBJ previous = dc.SelectObject(pen);
    // Each edge a part of its own: the parts meet as the edges drawn one by one would.
    std::vector<POINT> points;
    points.reserve(2 * edges.size());
    for (const SEdge& edge : edges) {
        points.push_back(edge.from);
        points.push_back(edge.to);
    }
    const std::vector<int32_t> counts(edges.size(), 2);
    dc.PolyPolyline(points.data(), counts.data(), static_cast<int32_t>(counts.size()));
    if (previous) dc.SelectObject(previous);
    DeleteObject(pen);
}

bool SRptPhysicalDrawing::SDrawnEdges::Take(int32_t width, const SEdge& edge) {
    if (!m_once) return true;
    // An edge is the same whichever end it is drawn from.
    const bool forward = edge.from.x < edge.to.x || (edge.from.x == edge.to.x && edge.from.y <= edge.to.y);
    const POINT& first = forward ? edge.from : edge.to;
    const POINT& last = forward ? edge.to : edge.from;
    return m_drawn.insert({width, first.x, first.y, last.x, last.y}).second;
}
