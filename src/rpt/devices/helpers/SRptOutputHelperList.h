#pragma once
// A list: the heading row from the first row's enabled cells, then one grid row per data row the
// module fetches.
#include "rpt/devices/helpers/SRptOutputHelperTable.h"

class SRptOutputHelperList : public SRptOutputHelperTable {
public:
    using SRptOutputHelperTable::SRptOutputHelperTable;
    HRESULT Init(IUnknown* client) override;
};
