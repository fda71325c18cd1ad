#pragma once
// A free text laid out on the pages: its text in its paragraph.
#include "rpt/devices/print/SRptPhysicalItemFlow.h"

class SRptPhysicalItemText : public SRptPhysicalItemFlow {
public:
    using SRptPhysicalItemFlow::SRptPhysicalItemFlow;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;
};
