#include "platform/gdi/SCairoBackEnd.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/gdi/SBitmapSurface.h"

namespace {

void SetColour(cairo_t* cr, COLORREF colour) {
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

// A drawing context on the surface for one operation.
class SCairoContext {
public:
    explicit SCairoContext(cairo_t* cr) : m_cr(cr) {}
    ~SCairoContext() {
        if (m_cr) cairo_destroy(m_cr);
    }
    SCairoContext(const SCairoContext&) = delete;
    SCairoContext& operator=(const SCairoContext&) = delete;
    cairo_t* Get() const { return m_cr; }
    bool Ok() const { return m_cr && cairo_status(m_cr) == CAIRO_STATUS_SUCCESS; }
    bool Done() const { return cairo_status(m_cr) == CAIRO_STATUS_SUCCESS; }

private:
    cairo_t* m_cr;
};

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
        cairo_move_to(cr, shape.points[0].x + 0.5, shape.points[0].y + 0.5);
        for (size_t i = 1; i < shape.points.size(); ++i) cairo_line_to(cr, shape.points[i].x + 0.5, shape.points[i].y + 0.5);
        if (shape.kind == SShape::Polygon) cairo_close_path(cr);
        return;
    }
}

}  // namespace

cairo_t* SCairoBackEnd::NewContext() const {
    cairo_t* cr = NewSurfaceContext();
    if (cr && m_clip) {
        cairo_rectangle(cr, m_clip->left, m_clip->top, static_cast<double>(m_clip->right) - m_clip->left,
                        static_cast<double>(m_clip->bottom) - m_clip->top);
        cairo_clip(cr);
    }
    return cr;
}

void SCairoBackEnd::SetClip(const RECT* clip) {
    if (clip) m_clip = *clip;
    else m_clip.reset();
}

bool SCairoBackEnd::DrawText(const STextRun& run) {
    SCairoContext context(NewContext());
    if (!context.Ok() || !run.font) return false;
    SetColour(context.Get(), run.colour);
    run.font->Paint(context.Get(), run.x, run.baseline, run.text, run.advances);
    return context.Done();
}

bool SCairoBackEnd::FillRect(const RECT& rect, COLORREF colour) {
    SCairoContext context(NewContext());
    if (!context.Ok()) return false;
    SetColour(context.Get(), colour);
    cairo_rectangle(context.Get(), rect.left, rect.top, static_cast<double>(rect.right) - rect.left,
                    static_cast<double>(rect.bottom) - rect.top);
    cairo_fill(context.Get());
    return context.Done();
}

bool SCairoBackEnd::DrawShape(const SShape& shape) {
    SCairoContext context(NewContext());
    if (!context.Ok()) return false;
    cairo_t* cr = context.Get();
    AddPath(cr, shape);
    if (shape.kind != SShape::Polyline && shape.brush.lbStyle != BS_NULL) {
        SetColour(cr, shape.brush.lbColor);
        cairo_fill_preserve(cr);
    }
    if (shape.pen.lopnStyle != PS_NULL) {
        SetColour(cr, shape.pen.lopnColor);
        cairo_set_line_width(cr, std::max(1, shape.pen.lopnWidth.x));
        cairo_stroke(cr);
    }
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
    SCairoContext context(NewContext());
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
