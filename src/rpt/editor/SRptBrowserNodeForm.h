#pragma once
// The browser node of a form.
#include "rpt/editor/SRptBrowserNodeRanged.h"

class SRptBrowserNodeForm final : public SRptBrowserNodeRanged<315, 316, 45250, 45550> {
public:
    using SRptBrowserNodeRanged::SRptBrowserNodeRanged;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeForm; }
    static inline const SClassInfo classSRptBrowserNodeForm = {"SRptBrowserNodeForm", &classSRptBrowserNodeItem};
};
