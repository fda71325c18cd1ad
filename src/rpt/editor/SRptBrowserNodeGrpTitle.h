#pragma once
// The browser node of a group title.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeGrpTitle final : public SRptBrowserNodeRanged<311, 312, 45230, 45530> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeGrpTitle; }
    static inline const SClassInfo classSRptBrowserNodeGrpTitle = {"SRptBrowserNodeGrpTitle",
                                                                   &classSRptBrowserNodeItem};
};
