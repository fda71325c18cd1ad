#pragma once
// Where pictures go on the page: the fitting of a picture into the printable area and the pages
// (tiles) of a user graphic. Sizes in hundredths of a millimetre; products are taken in 64 bits.
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiDefs.h"

struct SRptPictureTile {
    RECT target;  // where the drawing goes on the page image
    SSize size;   // the page image
};

class SRptGraphicLayout {
public:
    // Proportions kept, in whole numbers: narrowed to the width, then lowered to the height.
    static SSize FitInIntegers(SSize size, SSize area);
    // Never enlarged, proportions kept: the smaller ratio of the part that fits, when below 1.
    static SSize FitByRatio(SSize size, SSize area);
    // The pages of a user graphic of size (W, H) on a printable area, row by row, left to right:
    // one page (placed as a paragraph for `onePageType` 1 and any value but 2, centred for 2) or,
    // zoomed, a grid of pages that shows the zoomed drawing centred on it. No page for any size
    // of 0 or less.
    static std::vector<SRptPictureTile> UserGraphicTiles(SSize drawing, SSize area, bool useZoom, int32_t onePageType,
                                                         int32_t zoomPerct);

    // Zoomed pages beyond this many are not made: a drawing that asks for more is a mistake.
    static constexpr int64_t kMaxTiles = 10000;
};
