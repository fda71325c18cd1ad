#pragma once
// The page set-up record that a page set-up dialog and the printer cache exchange, in
// hundredths of a millimetre: the paper size as the page is oriented, the minimum margins the
// printer needs and the margins chosen.
#include <cstdint>

#include "platform/gdi/GdiDefs.h"

inline constexpr uint32_t PSD_MARGINS = 0x00000002;
inline constexpr uint32_t PSD_INHUNDREDTHSOFMILLIMETERS = 0x00000008;

struct SPAGESETUPDLG {
    uint32_t Flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
    POINT ptPaperSize;
    RECT rtMinMargin;
    RECT rtMargin;

    // A4 portrait (210 × 297 mm), margins of 25 mm, no minimum margins.
    static const SPAGESETUPDLG m_Default;
};
