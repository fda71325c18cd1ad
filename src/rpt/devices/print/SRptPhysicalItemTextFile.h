#pragma once
// A text file laid out on the pages: the file's lines in the item's paragraph, an RTF file as its
// plain text; a missing name or file prints a message in their place.
#include "rpt/devices/print/SRptPhysicalItemFlow.h"

class SRptPhysicalItemTextFile : public SRptPhysicalItemFlow {
public:
    using SRptPhysicalItemFlow::SRptPhysicalItemFlow;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;
};
