#pragma once
// The template editor's window: the contents pane is the browser of the report's one template.
#include "rpt/editor/SRptViewBase.h"

class SRptViewTemplate : public SRptViewBase {
public:
    SRptViewTemplate(ISRptReport* report, SShellView* shellView);

    const SClassInfo* GetClassInfo() const override { return &classSRptViewTemplate; }
    static const SClassInfo classSRptViewTemplate;
    S_DECLARE_MESSAGE_MAP()

protected:
    // The browser of the report's first template, rooted at the template labelled by its Name.
    // E_POINTER is thrown without a report.
    SRptContentsPane* CreateContentsPane() override;
};
