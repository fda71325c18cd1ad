#pragma once
// How a picture is fitted into the room it is given: in whole numbers for the RTF picture group,
// and by the ratio of the part that fits for graphic files and the one page of a user graphic.
// Sizes in hundredths of a millimetre; products are taken in 64 bits.
#include "platform/gdi/GdiDefs.h"

struct IUnknown;

class SRptGraphicLayout {
public:
    // Proportions kept, in whole numbers: narrowed to the width, then lowered to the height.
    static SSize FitInIntegers(SSize size, SSize area);
    // The smaller of the ratios of the part that fits, width's and height's: 1 when it all fits.
    static double FitRatio(SSize size, SSize area);
    // Never enlarged, proportions kept: scaled by the fitting ratio when below 1.
    static SSize FitByRatio(SSize size, SSize area);
    // The printable width and height of the item's template (paper less margins); a missing
    // template is thrown as E_POINTER.
    static SSize PrintableArea(IUnknown* pItem);
};
