#pragma once
// The values of a paragraph's format attributes (ISRptPara). Lengths are in HIMETRIC (0.01 mm):
// 35 are about a point, 1270 half an inch.
#include <cstdint>

// Alignment: any other value counts as left.
inline constexpr int16_t RPT_PARA_ALIGN_LEFT = 1;
inline constexpr int16_t RPT_PARA_ALIGN_RIGHT = 2;
inline constexpr int16_t RPT_PARA_ALIGN_CENTER = 4;
inline constexpr int16_t RPT_PARA_ALIGN_JUSTIFY = 8;

// Spacing type: SpBetween is a length (exact) or a percentage of the line height (multiple);
// any other value gives no line spacing.
inline constexpr int16_t RPT_PARA_SPTYPE_EXACT = 1;
inline constexpr int16_t RPT_PARA_SPTYPE_MULTIPLE = 2;

// Border bits.
inline constexpr int16_t RPT_PARA_BORDER_LEFT = 1;
inline constexpr int16_t RPT_PARA_BORDER_TOP = 2;
inline constexpr int16_t RPT_PARA_BORDER_RIGHT = 4;
inline constexpr int16_t RPT_PARA_BORDER_BOTTOM = 8;

inline constexpr int16_t RPT_PARA_BORDER_WIDTH_DEFAULT = 26;
inline constexpr int16_t RPT_PARA_BOX_WIDTH_DEFAULT = 26;
inline constexpr int16_t RPT_PARA_SPTXTBORDER_TOP_DEFAULT = 35;
inline constexpr int16_t RPT_PARA_SPTXTBORDER_BOTTOM_DEFAULT = 35;
inline constexpr int16_t RPT_PARA_SPTXTBORDER_LEFT_DEFAULT = 141;
inline constexpr int16_t RPT_PARA_SPTXTBORDER_RIGHT_DEFAULT = 141;

// Flow bits; without RPT_PARA_FLOW_WIDOWCONTROL there is no widow and orphan control.
inline constexpr int16_t RPT_PARA_FLOW_KEEP = 1;
inline constexpr int16_t RPT_PARA_FLOW_KEEPNEXT = 2;
inline constexpr int16_t RPT_PARA_FLOW_PAGEBREAKBEFORE = 4;
inline constexpr int16_t RPT_PARA_FLOW_WIDOWCONTROL = 8;

inline constexpr int16_t RPT_PARA_DEFAULT_TABSIZE = 1270;

// Font style bits of FontStyle (and of the report fonts); 0 is regular.
inline constexpr int16_t RPT_FONT_STYLE_BOLD = 1;
inline constexpr int16_t RPT_FONT_STYLE_ITALIC = 2;
inline constexpr int16_t RPT_FONT_STYLE_UNDERLINE = 4;
inline constexpr int16_t RPT_FONT_STYLE_STRIKEOUT = 8;
