#pragma once
// What a device context draws on. The device context does the mapping, the object selection and
// the measuring; a back end receives finished drawing operations in device pixels. A cairo
// surface paints them (an image, a bitmap, a PDF page of a print job); a recording back end keeps
// them as metafile records to play onto another device context.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/DOCINFOA.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SDeviceCaps.h"
#include "platform/gdi/SRealisedFont.h"

// One line of text placed on the device.
struct STextRun {
    std::shared_ptr<const SRealisedFont> font;
    double x = 0;         // origin of the first character
    double baseline = 0;  // y of the baseline
    std::string text;     // UTF-8
    std::vector<int32_t> advances;
    COLORREF colour = 0;
    // The logical font with its height in device pixels, for back ends that keep the font
    // rather than paint it.
    LOGFONTA logFont;
};

// A line, a polygon, a rectangle or an ellipse in device pixels, with the pen that outlines it
// (its width in pixels) and the brush that fills it (never for a line). Several lines drawn as
// one are one polyline whose points are cut into parts by `counts`.
struct SShape {
    enum Kind { Polyline, Polygon, Rectangle, Ellipse };
    Kind kind = Polyline;
    std::vector<POINT> points;  // two corners for a rectangle or an ellipse
    std::vector<int32_t> counts;  // a polyline's parts, each of that many points; empty: one part
    LOGPEN pen;
    LOGBRUSH brush;

    // The parts as [first, end) ranges of the points, none empty.
    std::vector<std::pair<size_t, size_t>> Parts() const {
        if (counts.empty()) return {{0, points.size()}};
        std::vector<std::pair<size_t, size_t>> parts;
        size_t first = 0;
        for (const int32_t count : counts) {
            const size_t end = std::min(points.size(), first + static_cast<size_t>(std::max(0, count)));
            if (end > first) parts.emplace_back(first, end);
            first = end;
        }
        return parts;
    }
};

class SBitmapSurface;

// Pixels of a bitmap stretched from a source rectangle (bitmap pixels) onto a destination
// rectangle (device pixels).
struct SImageRun {
    std::shared_ptr<const SBitmapSurface> bitmap;
    RECT source;
    RECT dest;
};

class SDCBackEnd {
public:
    virtual ~SDCBackEnd() = default;
    virtual const SDeviceCaps& GetCaps() const = 0;
    virtual bool DrawText(const STextRun& run) = 0;
    // Fills [left, right) × [top, bottom).
    virtual bool FillRect(const RECT& rect, COLORREF colour) = 0;
    // The colour of a pixel, CLR_INVALID outside the surface or on a back end that keeps none.
    virtual COLORREF GetPixel(int32_t x, int32_t y) const { return (void)x, (void)y, CLR_INVALID; }
    // A back end that cannot draw shapes or images answers false.
    virtual bool DrawShape(const SShape& shape) { return (void)shape, false; }
    virtual bool DrawImage(const SImageRun& image) { return (void)image, false; }
    // Limits later drawing to a device rectangle; null draws everywhere again.
    virtual void SetClip(const RECT* clip) { (void)clip; }

    // Print jobs, on a printer's back end; any other refuses them (SP_ERROR).
    virtual int32_t StartDoc(const DOCINFOA& info) { return (void)info, SP_ERROR; }
    virtual int32_t StartPage() { return SP_ERROR; }
    virtual int32_t EndPage() { return SP_ERROR; }
    virtual int32_t EndDoc() { return SP_ERROR; }
    virtual int32_t AbortDoc() { return SP_ERROR; }
};
