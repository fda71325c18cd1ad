#pragma once
// The drawing steps that the page drawables share: text output clipped to a rectangle with the
// justification of its break characters, strokes of a border pen, and a clip that is put back as
// it was. Coordinates are logical units of the context.
#include <array>
#include <cstdint>
#include <set>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiDefs.h"

class SDC;

class SRptPhysicalDrawing {
public:
    // Narrows the context's clip for the life of the scope and restores the earlier clip.
    class SClipScope {
    public:
        SClipScope(SDC& dc, const RECT& clip);
        ~SClipScope();
        SClipScope(const SClipScope&) = delete;
        SClipScope& operator=(const SClipScope&) = delete;

    private:
        SDC& m_dc;
        bool m_hadClip;
        RECT m_previous;
    };

    // One straight edge of a border.
    struct SEdge {
        POINT from;
        POINT to;
    };

    // The edges already drawn on a printed page by pens of each width, so that an edge two
    // borders share (a cell's border over the table's box, the edge between two cells) is
    // stroked once: the printer's document keeps every stroke, and one covers the other. On
    // screen every edge is painted as it always was, for the pixels of its ends come out darker
    // where edges meet twice.
    class SDrawnEdges {
    public:
        explicit SDrawnEdges(bool once) : m_once(once) {}
        // Whether the edge is to be drawn with a pen of `width`; once taken, it counts as drawn.
        bool Take(int32_t width, const SEdge& edge);

    private:
        bool m_once;
        std::set<std::array<int32_t, 5>> m_drawn;
    };

    // Outputs `text` at (x, y), top-left aligned, clipped to `clip`. `extra` units are spread over
    // the first `breaks` blanks of the text, as a justified line asks; the blanks that come first
    // take the units that do not divide evenly. False when an output failed.
    static bool TextOut(SDC& dc, int32_t x, int32_t y, const RECT& clip, std::string_view text, int32_t extra,
                        int32_t breaks);
    // Strokes the edges as one line of several parts with a solid black pen of `width`, then
    // selects the previous pen again.
    static void StrokeEdges(SDC& dc, int32_t width, const std::vector<SEdge>& edges);
};
