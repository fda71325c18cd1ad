#include "rpt/devices/graphics/SRptGraphicCoords.h"

#include <cstdlib>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SPlatform.h"

namespace {

constexpr int32_t kStep = 32000;

// A size converted by the system: the distance between its two converted ends.
SSize ConvertSize(const SDC& dc, SSize size) {
    POINT ends[2] = {{0, 0}, {size.cx, size.cy}};
    dc.LPtoDP(ends, 2);
    return SSize{std::abs(ends[1].x - ends[0].x), std::abs(ends[1].y - ends[0].y)};
}

// A point converted in steps of 32000: the remainders by the system, the quotients as
// multiples of the converted step.
POINT ConvertInSteps(const SDC& dc, POINT point, SSize step) {
    const int32_t qx = point.x / kStep;
    const int32_t qy = point.y / kStep;
    POINT rest{point.x % kStep, point.y % kStep};
    dc.LPtoDP(&rest, 1);
    return POINT{static_cast<int32_t>(rest.x + static_cast<int64_t>(qx) * step.cx),
                 static_cast<int32_t>(rest.y + static_cast<int64_t>(qy) * step.cy)};
}

// How far one step moves a point on the device, sign kept (the y axis may grow upwards).
SSize ConvertStep(const SDC& dc) {
    POINT ends[2] = {{0, 0}, {kStep, kStep}};
    dc.LPtoDP(ends, 2);
    return SSize{ends[1].x - ends[0].x, ends[1].y - ends[0].y};
}

}  // namespace

void LPtoDPRect(SDC* dc, RECT* rect) {
    if (!dc || !rect) return;
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    if (SPlatform() == 1) {
        const SSize step = ConvertStep(*dc);
        corners[0] = ConvertInSteps(*dc, corners[0], step);
        corners[1] = ConvertInSteps(*dc, corners[1], step);
    } else {
        dc->LPtoDP(corners, 2);
    }
    *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void LPtoDPSize(SDC* dc, SSize* size) {
    if (!dc || !size) return;
    if (SPlatform() == 1) {
        const SSize step = ConvertSize(*dc, SSize{kStep, kStep});
        const SSize rest = ConvertSize(*dc, SSize{size->cx % kStep, size->cy % kStep});
        *size = SSize{static_cast<int32_t>(rest.cx + static_cast<int64_t>(size->cx / kStep) * step.cx),
                      static_cast<int32_t>(rest.cy + static_cast<int64_t>(size->cy / kStep) * step.cy)};
        return;
    }
    *size = ConvertSize(*dc, *size);
}
