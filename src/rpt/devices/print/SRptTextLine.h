#pragma once
// One laid-out line of a paragraph block: its box inside the block, its text, the justification
// of its last run and its runs between tabs (start and end x relative to the line, characters).
// The line owns copies of its text and runs.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "rpt/devices/print/SRptTextFlow.h"

class SDC;

class SRptTextLine {
public:
    SRptTextLine(int32_t x, int32_t y, int32_t width, int32_t height, const SString& text, int32_t extra,
                 int32_t breaks, std::vector<RPTTABSEGMENT> runs);

    // Draws the runs at the block's origin, each clipped to the line's box widened by a tenth and
    // 400 units; with `fillTabs` the gap before each following run is filled with dots. 0, E_INVALIDARG
    // for a null context, E_UNEXPECTED when the last output failed.
    HRESULT Draw(SDC* dc, const POINT& origin, bool fillTabs) const;

    // The clip rectangle of a line whose box starts at (left, top).
    RECT ClipRect(int32_t left, int32_t top) const;

    int32_t GetX() const { return m_x; }
    int32_t GetY() const { return m_y; }
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    const SString& GetText() const { return m_text; }
    int32_t GetExtra() const { return m_extra; }
    int32_t GetBreaks() const { return m_breaks; }
    const std::vector<RPTTABSEGMENT>& GetRuns() const { return m_runs; }

private:
    int32_t m_x;
    int32_t m_y;
    int32_t m_width;
    int32_t m_height;
    SString m_text;
    int32_t m_extra;
    int32_t m_breaks;
    std::vector<RPTTABSEGMENT> m_runs;
};
