#pragma once
// A group text laid out on the pages: the module's title in the item's first paragraph, then the
// text the module gives (an RTF text as its plain text) in its second.
#include "rpt/devices/print/SRptPhysicalItemMulti.h"

class SRptPhysicalItemGrpText : public SRptPhysicalItemMulti {
public:
    using SRptPhysicalItemMulti::SRptPhysicalItemMulti;
    int32_t GetCount() override { return 2; }
    HRESULT GetPara(int32_t index, ISRptPara** para) override;
    HRESULT GetText(int32_t index, SString* text) override;
};
