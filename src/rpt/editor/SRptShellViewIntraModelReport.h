#pragma once
// The host's view of the editor of a report on one model. The report lives in the model's
// document, which the editor does not own: its final close leaves the document open. Its title is
// the model's name and the report's; the host modules' sinks hear of its close. Commands that no
// part of the editor takes go on to the command target its creator gave (not held).
#include "rpt/editor/SRptShellViewBase.h"

class SRptShellViewIntraModelReport : public SRptShellViewBase {
public:
    SRptShellViewIntraModelReport(SShellModule* module, SShellViewClass* viewClass, ISRptReport* report,
                                  ISRepSession* session, ISShellCommandTarget* innerTarget)
        : SRptShellViewBase(module, viewClass, report, session), m_pInnerTarget(innerTarget) {}

    // The host's commands 106 to 108, 112 and 113 are refused; what the view does not support or
    // take is asked of the inner target, 1 without one.
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state, char16_t* text,
                        uint32_t cch) override;

    // "<model>, Report - <report>"; empty without a session or a model.
    SString GetTitle() override;


    const SClassInfo* GetClassInfo() const override { return &classSRptShellViewIntraModelReport; }
    static const SClassInfo classSRptShellViewIntraModelReport;

protected:
    ~SRptShellViewIntraModelReport() override = default;

    SRptViewBase* MakeWindow() override;
    bool TellsSinksOnClose() const override { return true; }
    bool ClosesDocument() const override { return false; }

private:
    ISShellCommandTarget* m_pInnerTarget;
};
