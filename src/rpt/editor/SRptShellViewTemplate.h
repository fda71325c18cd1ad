#pragma once
// The host's view of a template editor: the report of one template file, whose document it owns.
// Its title is "Report Template, " and the report's name; its final close closes and discards the
// document.
#include "rpt/editor/SRptShellViewBase.h"

class SRptShellViewTemplate final : public SRptShellViewBase {
public:
    SRptShellViewTemplate(SShellModule* module, SShellViewClass* viewClass, ISRptReport* report,
                          ISRepSession* session)
        : SRptShellViewBase(module, viewClass, report, session) {}

    // The host's commands 104 to 108, 112, 113 and 118 do not apply to a template; the rest as
    // every shell view.
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;

    SString GetTitle() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptShellViewTemplate; }
    static const SClassInfo classSRptShellViewTemplate;

private:
    ~SRptShellViewTemplate() override = default;

    SRptViewBase* MakeWindow() override;
    bool DiscardsDocument() const override { return true; }
};
