#pragma once
// The browser node of a group text.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeGrpText final : public SRptBrowserNodeRanged<309, 310, 45220, 45520> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeGrpText; }
    static inline const SClassInfo classSRptBrowserNodeGrpText = {"SRptBrowserNodeGrpText", &classSRptBrowserNodeItem};
};
