#pragma once
// The browser node of a free text.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeText final : public SRptBrowserNodeRanged<305, 306, 45200, 45500> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeText; }
    static inline const SClassInfo classSRptBrowserNodeText = {"SRptBrowserNodeText", &classSRptBrowserNodeItem};
};
