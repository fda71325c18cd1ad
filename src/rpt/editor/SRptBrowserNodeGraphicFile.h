#pragma once
// The browser node of a graphic file.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeGraphicFile final : public SRptBrowserNodeRanged<321, 322, 45280, 45580> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeGraphicFile; }
    static inline const SClassInfo classSRptBrowserNodeGraphicFile = {"SRptBrowserNodeGraphicFile",
                                                                      &classSRptBrowserNodeItem};
};
