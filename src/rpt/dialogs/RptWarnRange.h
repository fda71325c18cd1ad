#pragma once
// The warnings of the format pages when a measurement lies outside its limits, shown on the page's
// window: lengths (hundredths of a millimetre) in centimetres or inches as the international
// settings say, lengths in points, and line counts.
#include <cstdint>

class SWnd;

inline constexpr uint32_t IDS_RPT_RANGE_CM = 5242;
inline constexpr uint32_t IDS_RPT_RANGE_INCH = 5282;
inline constexpr uint32_t IDS_RPT_RANGE_POINTS = 5243;
inline constexpr uint32_t IDS_RPT_RANGE_LINES = 5244;

void RptWarnRangeMetric(SWnd* wnd, int32_t minimum, int32_t maximum);
void RptWarnRangePoints(SWnd* wnd, int32_t minimum, int32_t maximum);
void RptWarnRangeLines(SWnd* wnd, int32_t minimum, int32_t maximum);
