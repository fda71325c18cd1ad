#include "rpt/devices/print/SRptTextLine.h"

#include <string_view>
#include <utility>

#include "platform/base/SUtf8.h"
#include "platform/gdi/SDC.h"
#include "rpt/devices/print/SRptPhysicalDrawing.h"

namespace {

// The byte length of the first `count` characters of `text` from `pos`, never past its end.
size_t BytesOfCharacters(const std::string& text, size_t pos, int32_t count) {
    size_t end = pos;
    for (int32_t i = 0; i < count && end < text.size(); ++i) end += SUtf8::CharLength(text, end);
    return end - pos;
}

}  // namespace

SRptTextLine::SRptTextLine(int32_t x, int32_t y, int32_t width, int32_t height, const SString& text, int32_t extra,
                           int32_t breaks, std::vector<RPTTABSEGMENT> runs)
    : m_x(x), m_y(y), m_width(width), m_height(height), m_text(text), m_extra(extra), m_breaks(breaks),
      m_runs(std::move(runs)) {}

RECT SRptTextLine::ClipRect(int32_t left, int32_t top) const {
    // Measured text may run a little past the box on another device: only what lies well beyond
    // it is cut.
    const int32_t slack = static_cast<int32_t>(static_cast<double>(m_width) * 1.1);
    return RECT{left, top, left + slack + 400, top + m_height};
}

HRESULT SRptTextLine::Draw(SDC* dc, const POINT& origin, bool fillTabs) const {
    if (!dc) return E_INVALIDARG;
    const uint32_t previousAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
    const int32_t left = origin.x + m_x;
    const int32_t top = origin.y + m_y;
    const RECT clip = ClipRect(left, top);
    const std::string& text = m_text.str();
    bool ok = true;
    size_t pos = 0;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        const RPTTABSEGMENT& run = m_runs[i];
        const bool last = i + 1 == m_runs.size();
        const size_t length = BytesOfCharacters(text, pos, run.count);
        ok = SRptPhysicalDrawing::TextOut(*dc, left + run.start, top, clip, std::string_view(text).substr(pos, length),
                                          last ? m_extra : 0, last ? m_breaks : 0);
        if (fillTabs && !last) {
            const int32_t gap = m_runs[i + 1].start - run.end;
            const SIZE dot = dc->GetTextExtent(".");
            if (dot.cx > 0 && gap / dot.cx > 0)
                ok = SRptPhysicalDrawing::TextOut(*dc, left + run.end + 1, top, clip,
                                                  std::string(static_cast<size_t>(gap / dot.cx), '.'), 0, 0);
        }
        // The tab that separated this run from the next.
        pos += length;
        if (pos < text.size()) pos += SUtf8::CharLength(text, pos);
    }
    dc->SetTextAlign(previousAlign);
    return ok ? S_OK : E_UNEXPECTED;
}
