#pragma once
// The browser node of a title.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeTitle final : public SRptBrowserNodeRanged<307, 308, 45210, 45510> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeTitle; }
    static inline const SClassInfo classSRptBrowserNodeTitle = {"SRptBrowserNodeTitle", &classSRptBrowserNodeItem};
};
