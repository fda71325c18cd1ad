#pragma once
// The browser node of a page break.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodePageBreak final : public SRptBrowserNodeRanged<317, 318, 45260, 45560> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodePageBreak; }
    static inline const SClassInfo classSRptBrowserNodePageBreak = {"SRptBrowserNodePageBreak",
                                                                    &classSRptBrowserNodeItem};
};
