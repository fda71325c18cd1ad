#pragma once
// The browser node of a user graphic.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeUserGraphic final : public SRptBrowserNodeRanged<325, 326, 45300, 45600> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeUserGraphic; }
    static inline const SClassInfo classSRptBrowserNodeUserGraphic = {"SRptBrowserNodeUserGraphic",
                                                                      &classSRptBrowserNodeItem};
};
