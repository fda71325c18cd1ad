#pragma once
// A form laid out on the pages: its title in its heading paragraph, then its rows.
#include "rpt/devices/print/SRptPhysicalItemTable.h"

class SRptPhysicalItemForm : public SRptPhysicalItemTable {
public:
    using SRptPhysicalItemTable::SRptPhysicalItemTable;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;
};
