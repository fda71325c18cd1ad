#pragma once
// The graphics layer's small records and constants: points, sizes, rectangles, colours, object
// handles and the codes that device contexts, fonts and printers exchange. Every field is a
// 32-bit word, as the system's own records have them.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};
// The class library's size.
using SSize = SIZE;

// 0x00BBGGRR.
using COLORREF = uint32_t;
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(COLORREF c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(COLORREF c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

// Handles of graphics objects. They are numbers handed out by the process's handle table, never
// addresses; a font handle converts to the generic one.
struct HFONT__;
using HFONT = HFONT__*;
using HGDIOBJ = void*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;

// Object types (GetObjectType).
inline constexpr uint32_t OBJ_PEN = 1;
inline constexpr uint32_t OBJ_BRUSH = 2;
inline constexpr uint32_t OBJ_FONT = 6;
inline constexpr uint32_t OBJ_BITMAP = 7;

// Stock objects.
inline constexpr int32_t WHITE_BRUSH = 0;
inline constexpr int32_t LTGRAY_BRUSH = 1;
inline constexpr int32_t GRAY_BRUSH = 2;
inline constexpr int32_t DKGRAY_BRUSH = 3;
inline constexpr int32_t BLACK_BRUSH = 4;
inline constexpr int32_t NULL_BRUSH = 5;
inline constexpr int32_t WHITE_PEN = 6;
inline constexpr int32_t BLACK_PEN = 7;
inline constexpr int32_t NULL_PEN = 8;
inline constexpr int32_t SYSTEM_FONT = 13;
inline constexpr int32_t DEFAULT_GUI_FONT = 17;

// Device capability indices (GetDeviceCaps).
inline constexpr int32_t TECHNOLOGY = 2;
inline constexpr int32_t HORZSIZE = 4;
inline constexpr int32_t VERTSIZE = 6;
inline constexpr int32_t HORZRES = 8;
inline constexpr int32_t VERTRES = 10;
inline constexpr int32_t BITSPIXEL = 12;
inline constexpr int32_t PLANES = 14;
inline constexpr int32_t LOGPIXELSX = 88;
inline constexpr int32_t LOGPIXELSY = 90;
inline constexpr int32_t PHYSICALWIDTH = 110;
inline constexpr int32_t PHYSICALHEIGHT = 111;
inline constexpr int32_t PHYSICALOFFSETX = 112;
inline constexpr int32_t PHYSICALOFFSETY = 113;

// Device technologies.
inline constexpr int32_t DT_RASDISPLAY = 1;
inline constexpr int32_t DT_RASPRINTER = 2;
inline constexpr int32_t DT_METAFILE = 5;

// Mapping modes.
inline constexpr int32_t MM_TEXT = 1;
inline constexpr int32_t MM_LOMETRIC = 2;
inline constexpr int32_t MM_HIMETRIC = 3;
inline constexpr int32_t MM_LOENGLISH = 4;
inline constexpr int32_t MM_HIENGLISH = 5;
inline constexpr int32_t MM_TWIPS = 6;
inline constexpr int32_t MM_ISOTROPIC = 7;
inline constexpr int32_t MM_ANISOTROPIC = 8;

// Text alignment (SetTextAlign): one horizontal and one vertical choice, or-ed.
inline constexpr uint32_t TA_LEFT = 0;
inline constexpr uint32_t TA_RIGHT = 2;
inline constexpr uint32_t TA_CENTER = 6;
inline constexpr uint32_t TA_TOP = 0;
inline constexpr uint32_t TA_BOTTOM = 8;
inline constexpr uint32_t TA_BASELINE = 24;

// Background modes.
inline constexpr int32_t TRANSPARENT = 1;
inline constexpr int32_t OPAQUE = 2;

// Page set-up codes of a printer.
inline constexpr int32_t DMORIENT_PORTRAIT = 1;
inline constexpr int32_t DMORIENT_LANDSCAPE = 2;
inline constexpr int32_t DMPAPER_LETTER = 1;
inline constexpr int32_t DMPAPER_LEGAL = 5;
inline constexpr int32_t DMPAPER_EXECUTIVE = 7;
inline constexpr int32_t DMPAPER_A3 = 8;
inline constexpr int32_t DMPAPER_A4 = 9;
inline constexpr int32_t DMPAPER_A5 = 11;
inline constexpr int32_t DMPAPER_B5 = 13;
inline constexpr int32_t DMPAPER_USER = 256;

// Pen styles and brush styles.
inline constexpr int32_t PS_SOLID = 0;
inline constexpr int32_t PS_DASH = 1;
inline constexpr int32_t PS_DOT = 2;
inline constexpr int32_t PS_NULL = 5;
inline constexpr int32_t BS_SOLID = 0;
inline constexpr int32_t BS_NULL = 1;

// Raster operations (only copying is drawn) and clipping-region modes.
inline constexpr uint32_t SRCCOPY = 0x00CC0020;
inline constexpr int32_t RGN_AND = 1;
inline constexpr int32_t RGN_COPY = 5;
// Results of the clipping functions.
inline constexpr int32_t RGN_ERROR = 0;
inline constexpr int32_t NULLREGION = 1;
inline constexpr int32_t SIMPLEREGION = 2;

struct LOGPEN {
    int32_t lopnStyle = PS_SOLID;
    POINT lopnWidth;  // x only
    COLORREF lopnColor = 0;
    friend bool operator==(const LOGPEN&, const LOGPEN&) = default;
};

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uint32_t lbHatch = 0;
    friend bool operator==(const LOGBRUSH&, const LOGBRUSH&) = default;
};

// A bitmap's description as GetObjectA gives it: 24 bytes, the bits' address left 0 (the bits
// are only reached through GetBitmapBits).
struct BITMAP {
    int32_t bmType = 0;
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;
    uint16_t bmPlanes = 0;
    uint16_t bmBitsPixel = 0;
    uint32_t bmBits = 0;
};
static_assert(sizeof(BITMAP) == 24);
