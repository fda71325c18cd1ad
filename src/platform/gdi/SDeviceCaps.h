#pragma once
// What GetDeviceCaps reports of a device. Sizes in millimetres, resolutions in pixels (dots) per
// inch, everything else in pixels.
#include <cstdint>

#include "platform/gdi/GdiDefs.h"

struct SDeviceCaps {
    int32_t technology = DT_RASDISPLAY;
    int32_t horzRes = 0;  // width of the printable area
    int32_t vertRes = 0;
    int32_t horzSize = 0;  // the same in millimetres
    int32_t vertSize = 0;
    int32_t logPixelsX = 96;
    int32_t logPixelsY = 96;
    int32_t bitsPixel = 24;
    int32_t planes = 1;
    // Printers only (0 on a display): the whole paper and where the printable area starts.
    int32_t physicalWidth = 0;
    int32_t physicalHeight = 0;
    int32_t physicalOffsetX = 0;
    int32_t physicalOffsetY = 0;

    // A raster surface of width × height pixels at the given resolution: its size in
    // millimetres follows from the resolution.
    static SDeviceCaps ForRaster(int32_t width, int32_t height, int32_t logPixelsX, int32_t logPixelsY,
                                 int32_t technology = DT_RASDISPLAY);
    // The value of a GetDeviceCaps index; 0 for an index not kept here.
    int32_t Get(int32_t index) const;
};
