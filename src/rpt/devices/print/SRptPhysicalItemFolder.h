#pragma once
// A folder laid out on the pages: the module's title of the member in the item's paragraph.
#include "rpt/devices/print/SRptPhysicalItemFlow.h"

class SRptPhysicalItemFolder : public SRptPhysicalItemFlow {
public:
    using SRptPhysicalItemFlow::SRptPhysicalItemFlow;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;
};
