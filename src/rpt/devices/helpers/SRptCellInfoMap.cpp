#include "rpt/devices/helpers/SRptCellInfoMap.h"

#include <utility>

int SRptCellInfoMap::Compare::operator()(const RPTCELLKEY& a, const RPTCELLKEY& b) const {
    if (a.row != b.row) return a.row < b.row ? -1 : 1;
    if (a.column != b.column) return a.column < b.column ? -1 : 1;
    return 0;
}

RPTCELLINFO& SRptCellInfoMap::Insert(int32_t row, int32_t column, const RPTCELLINFO& cell) {
    RPTCELLINFO& stored = m_cells.GetOrAdd(RPTCELLKEY{row, column});
    stored = cell;
    return stored;
}

RPTCELLINFO& SRptCellInfoMap::Insert(int32_t row, int32_t column, RPTCELLINFO&& cell) {
    RPTCELLINFO& stored = m_cells.GetOrAdd(RPTCELLKEY{row, column});
    stored = std::move(cell);
    return stored;
}

RPTCELLINFO* SRptCellInfoMap::Lookup(int32_t row, int32_t column) const {
    return m_cells.Lookup(RPTCELLKEY{row, column});
}
