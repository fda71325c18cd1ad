#pragma once
// The browser node of a text file.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeTextFile final : public SRptBrowserNodeRanged<323, 324, 45290, 45590> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeTextFile; }
    static inline const SClassInfo classSRptBrowserNodeTextFile = {"SRptBrowserNodeTextFile",
                                                                   &classSRptBrowserNodeItem};
};
