#pragma once
// The browser node of a folder.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeFolder final : public SRptBrowserNodeRanged<319, 320, 45270, 45570> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeFolder; }
    static inline const SClassInfo classSRptBrowserNodeFolder = {"SRptBrowserNodeFolder", &classSRptBrowserNodeItem};
};
