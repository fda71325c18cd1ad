#pragma once
// The drawing steps that the page drawables share: text output clipped to a rectangle with the
// justification of its break characters, strokes of a border pen, and a clip that is put back as
// it was. Coordinates are logical units of the context.
#include <cstdint>
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

    // Outputs `text` at (x, y), top-left aligned, clipped to `clip`. `extra` units are spread over
    // the first `breaks` blanks of the text, as a justified line asks; the blanks that come first
    // take the units that do not divide evenly. False when an output failed.
    static bool TextOut(SDC& dc, int32_t x, int32_t y, const RECT& clip, std::string_view text, int32_t extra,
                        int32_t breaks);
    // Strokes the edges with a solid black pen of `width`, then selects the previous pen again.
    static void StrokeEdges(SDC& dc, int32_t width, const std::vector<SEdge>& edges);
};
