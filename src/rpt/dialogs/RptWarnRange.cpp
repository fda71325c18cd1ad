#include "rpt/dialogs/RptWarnRange.h"

#include <cmath>

#include "platform/base/SModuleState.h"
#include "platform/ui/SLibMsgBox.h"
#include "rpt/dialogs/SRptDlgUnits.h"
#include "varod9/RptApi.h"

namespace {
// The caption of every range warning.
constexpr const char* kCaption = " - ";
constexpr double kHimetricPerInch = 2540.0;

template <class... Args>
void Warn(SWnd* wnd, uint32_t formatId, const Args&... args) {
    SString text;
    {
        SModuleStateGuard state(SRptGetModuleState());
        text.Format(formatId, args...);
    }
    SLibMsgBox(wnd, kCaption).Warning(text);
}

// Hundredths of a millimetre to whole points, the nearest.
int32_t ToPoints(int32_t himetric) {
    return static_cast<int32_t>(std::lround(himetric * (1440.0 / 25.4) * 0.0005));
}
}  // namespace

void RptWarnRangeMetric(SWnd* wnd, int32_t minimum, int32_t maximum) {
    if (SRptDlgUnits::IsMetric())
        Warn(wnd, IDS_RPT_RANGE_CM, minimum * 0.001, maximum * 0.001);
    else
        Warn(wnd, IDS_RPT_RANGE_INCH, minimum / kHimetricPerInch, maximum / kHimetricPerInch);
}

void RptWarnRangePoints(SWnd* wnd, int32_t minimum, int32_t maximum) {
    Warn(wnd, IDS_RPT_RANGE_POINTS, ToPoints(minimum), ToPoints(maximum));
}

void RptWarnRangeLines(SWnd* wnd, int32_t minimum, int32_t maximum) {
    Warn(wnd, IDS_RPT_RANGE_LINES, minimum, maximum);
}
