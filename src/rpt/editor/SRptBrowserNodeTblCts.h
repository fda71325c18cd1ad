#pragma once
// The browser node of a table of contents.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeTblCts final : public SRptBrowserNodeRanged<327, 328, 45310, 45610> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeTblCts; }
    static inline const SClassInfo classSRptBrowserNodeTblCts = {"SRptBrowserNodeTblCts", &classSRptBrowserNodeItem};
};
