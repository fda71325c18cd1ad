#pragma once
// What a device context draws on. The device context does the mapping, the object selection and
// the measuring; a back end receives finished drawing operations in device pixels. A cairo
// surface paints them (an image now; a PDF page for printers to come); a recording back end for
// metafiles will keep them as records to play onto another device context.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/GdiDefs.h"
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
};
