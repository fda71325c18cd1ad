#include "platform/gdi/SCairoBackEnd.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/SBitmapSurface.h"

namespace {

void SetColour(cairo_t* cr, COLORREF colour) {
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

// The points [first, end) of a line, as one part of a path.
void AddPoints(cairo_t* cr, const SShape& shape, const std::pair<size_t, size_t>& part) {
    cairo_move_to(cr, shape.points[part.first].x + 0.5, shape.points[part.first].y + 0.5);
    for (size_t i = part.first + 1; i < part.second; ++i)
        cairo_line_to(cr, shape.points[i].x + 0.5, shape.points[i].y + 0.5);
}

// The outline of a shape, as a cairo path.
void AddPath(cairo_t* cr, const SShape& shape) {
    if (shape.points.empty()) return;
    switch (shape.kind) {
    case SShape::Rectangle:
    case SShape::Ellipse: {
        if (shape.points.size() < 2) return;
        const double left = std::min(shape.points[0].x, shape.points[1].x);
        const double top = std::min(shape.points[0].y, shape.points[1].y);
        const double width = std::abs(static_cast<double>(shape.points[1].x) - shape.points[0].x);
        const double height = std::abs(static_cast<double>(shape.points[1].y) - shape.points[0].y);
        if (shape.kind == SShape::Rectangle) {
            cairo_rectangle(cr, left, top, width, height);
        } else if (width > 0 && height > 0) {
            cairo_save(cr);
            cairo_translate(cr, left + width / 2, top + height / 2);
            cairo_scale(cr, width / 2, height / 2);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
        }
        return;
    }
    case SShape::Polyline:
    case SShape::Polygon:
        // Each part of a line begins where nothing joins it to the part before.
        for (const auto& part : shape.Parts()) AddPoints(cr, shape, part);
        if (shape.kind == SShape::Polygon) cairo_close_path(cr);
        return;
    }
}

void Stroke(cairo_t* cr, const LOGPEN& pen) {
    SetColour(cr, pen.lopnColor);
    cairo_set_line_width(cr, std::max(1, pen.lopnWidth.x));
    cairo_stroke(cr);
}

}  // namespace

// One operation on the surface's context: a state of its own, clipped to the device clip, put
// back when the operation is over.
class SCairoBackEnd::SDrawing {
public:
    explicit SDrawing(SCairoBackEnd& backEnd) : m_cr(backEnd.GetContext()) {
        if (!m_cr) return;
        cairo_save(m_cr);
        if (const std::optional<RECT>& clip = backEnd.m_clip) {
            cairo_rectangle(m_cr, clip->left, clip->top, static_cast<double>(clip->right) - clip->left,
                            static_cast<double>(clip->bottom) - clip->top);
            cairo_clip(m_cr);
        }
    }
    ~SDrawing() {
        if (m_cr) cairo_restore(m_cr);
    }
    SDrawing(const SDrawing&) = delete;
    SDrawing& operator=(const SDrawing&) = delete;
    cairo_t* Get() const { return m_cr; }
    bool Ok() const { return m_cr && cairo_status(m_cr) == CAIRO_STATUS_SUCCESS; }
    bool Done() const { return cairo_status(m_cr) == CAIRO_STATUS_SUCCESS; }

private:
    cairo_t* m_cr;
};

SCairoBackEnd::~SCairoBackEnd() {
    DropContext();
}

cairo_t* SCairoBackEnd::GetContext() {
    // A context that failed stays failed: the next drawing starts on a fresh one.
    if (m_context && cairo_status(m_context) != CAIRO_STATUS_SUCCESS) DropContext();
    if (!m_context) m_context = NewSurfaceContext();
    return m_context;
}

void SCairoBackEnd::DropContext() {
    if (m_context) cairo_destroy(m_context);
    m_context = nullptr;
}

void SCairoBackEnd::SetClip(const RECT* clip) {
    if (clip) m_clip = *clip;
    else m_clip.reset();
}

bool SCairoBackEnd::DrawText(const STextRun& run) {
    SDrawing context(*this);
    if (!context.Ok() || !run.font) return false;
    SetColour(context.Get(), run.colour);
    run.font->Paint(context.Get(), run.x, run.baseline, run.text, run.advances);
    return context.Done();
}

bool SCairoBackEnd::FillRect(const RECT& rect, COLORREF colour) {
    SDrawing context(*this);
    if (!context.Ok()) return false;
    SetColour(context.Get(), colour);
    cairo_rectangle(context.Get(), rect.left, rect.top, static_cast<double>(rect.right) - rect.left,
                    static_cast<double>(rect.bottom) - rect.top);
    cairo_fill(context.Get());
    return context.Done();
}

bool SCairoBackEnd::DrawShape(const SShape& shape) {
    SDrawing context(*this);
    if (!context.Ok()) return false;
    cairo_t* cr = context.Get();
    if (shape.kind == SShape::Polyline && shape.counts.size() > 1 && !StrokesPartsAsOnePath()) {
        // Part by part, each painted over what the parts before painted, as lines drawn one by one.
        if (shape.pen.lopnStyle == PS_NULL) return true;
        for (const auto& part : shape.Parts()) {
            AddPoints(cr, shape, part);
            Stroke(cr, shape.pen);
        }
        return context.Done();
    }
    AddPath(cr, shape);
    if (shape.kind != SShape::Polyline && shape.brush.lbStyle != BS_NULL) {
        SetColour(cr, shape.brush.lbColor);
        cairo_fill_preserve(cr);
    }
    if (shape.pen.lopnStyle != PS_NULL) Stroke(cr, shape.pen);
    cairo_new_path(cr);
    return context.Done();
}

bool SCairoBackEnd::DrawImage(const SImageRun& image) {
    if (!image.bitmap || !image.bitmap->GetSurface()) return false;
    const double sourceWidth = static_cast<double>(image.source.right) - image.source.left;
    const double sourceHeight = static_cast<double>(image.source.bottom) - image.source.top;
    const double destWidth = static_cast<double>(image.dest.right) - image.dest.left;
    const double destHeight = static_cast<double>(image.dest.bottom) - image.dest.top;
    if (sourceWidth == 0 || sourceHeight == 0 || destWidth == 0 || destHeight == 0) return true;
    SDrawing context(*this);
    if (!context.Ok()) return false;
    cairo_t* cr = context.Get();
    // A bitmap drawn on itself is copied first, so that cairo never reads what it writes.
    cairo_surface_t* source = image.bitmap->GetSurface();
    const bool self = cairo_get_target(cr) == source;
    if (self) {
        source = cairo_surface_create_similar_image(source, CAIRO_FORMAT_RGB24, image.bitmap->GetWidth(),
                                                    image.bitmap->GetHeight());
        cairo_t* copy = cairo_create(source);
        cairo_set_source_surface(copy, image.bitmap->GetSurface(), 0, 0);
        cairo_paint(copy);
        cairo_destroy(copy);
    }
    cairo_rectangle(cr, std::min<double>(image.dest.left, image.dest.right), std::min<double>(image.dest.top, image.dest.bottom),
                    std::abs(destWidth), std::abs(destHeight));
    cairo_clip(cr);
    cairo_translate(cr, image.dest.left, image.dest.top);
    cairo_scale(cr, destWidth / sourceWidth, destHeight / sourceHeight);
    cairo_set_source_surface(cr, source, -image.source.left, -image.source.top);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    if (self) cairo_surface_destroy(source);
    return context.Done();
}
