#pragma once
// A group title laid out on the pages: the module's title of the member in the item's paragraph.
#include "rpt/devices/print/SRptPhysicalItemFlow.h"

class SRptPhysicalItemGrpTitle : public SRptPhysicalItemFlow {
public:
    using SRptPhysicalItemFlow::SRptPhysicalItemFlow;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;
};
