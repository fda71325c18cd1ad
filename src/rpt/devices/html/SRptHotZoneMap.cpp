#include "rpt/devices/html/SRptHotZoneMap.h"

int SRptHotZoneMap::Compare::operator()(const RECT& a, const RECT& b) const {
    const int32_t left[] = {a.left, a.top, a.right, a.bottom};
    const int32_t right[] = {b.left, b.top, b.right, b.bottom};
    for (int edge = 0; edge < 4; ++edge)
        if (left[edge] != right[edge]) return left[edge] < right[edge] ? -1 : 1;
    return 0;
}

RPTHOTZONE& SRptHotZoneMap::Insert(const RECT& rect, const RPTHOTZONE& zone) {
    RPTHOTZONE& stored = m_zones.GetOrAdd(rect);
    stored = zone;
    return stored;
}

RPTHOTZONE* SRptHotZoneMap::Lookup(const RECT& rect) const {
    return m_zones.Lookup(rect);
}
