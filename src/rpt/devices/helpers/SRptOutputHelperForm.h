#pragma once
// A form: one grid row per enabled row, labels and the module's values.
#include "rpt/devices/helpers/SRptOutputHelperTable.h"

class SRptOutputHelperForm : public SRptOutputHelperTable {
public:
    using SRptOutputHelperTable::SRptOutputHelperTable;
    HRESULT Init(IUnknown* client) override;
};
