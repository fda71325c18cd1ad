#pragma once
// What the cairo back ends share: text, rectangles, shapes and images painted through a cairo
// context on the back end's surface, clipped to the device rectangle in force. A back end says
// how a context is made (its surface, and the scale from device pixels to the surface's units).
// One context serves every drawing on a surface (a page), each drawing in a state of its own:
// what a page says of its scale and position is said once, not for every text and line.
#include <optional>

#include "platform/gdi/SDCBackEnd.h"

typedef struct _cairo cairo_t;

class SCairoBackEnd : public SDCBackEnd {
public:
    ~SCairoBackEnd() override;

    bool DrawText(const STextRun& run) override;
    bool FillRect(const RECT& rect, COLORREF colour) override;
    bool DrawShape(const SShape& shape) override;
    bool DrawImage(const SImageRun& image) override;
    void SetClip(const RECT* clip) override;

protected:
    // A context in device pixels on the surface, not yet clipped; null when there is no surface
    // to draw on now.
    virtual cairo_t* NewSurfaceContext() const = 0;
    // Lets the context of the surface go: a back end calls it before its surface changes or
    // ends (a page shown, a job's end, another bitmap).
    void DropContext();
    // Whether the parts of a line go out as one path: where a document keeps the strokes for a
    // reader to paint, one stroke is as good as several and costs less. Pixels are painted part
    // by part, each over the parts before, as lines drawn one by one are.
    virtual bool StrokesPartsAsOnePath() const { return false; }

private:
    class SDrawing;
    // The context of the surface, made on first use and kept; null when there is no surface.
    cairo_t* GetContext();

    std::optional<RECT> m_clip;
    cairo_t* m_context = nullptr;
};
