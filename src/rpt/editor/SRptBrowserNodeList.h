#pragma once
// The browser node of a list.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeList final : public SRptBrowserNodeRanged<313, 314, 45240, 45540> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeList; }
    static inline const SClassInfo classSRptBrowserNodeList = {"SRptBrowserNodeList", &classSRptBrowserNodeItem};
};
