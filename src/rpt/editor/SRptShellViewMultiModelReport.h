#pragma once
// The host's view of the editor of a report on several models: a report editor that owns its
// document, so that its final close closes the document first. Its title is
// "Multi-Model Report, " and the report's name.
#include "rpt/editor/SRptShellViewIntraModelReport.h"

class SRptShellViewMultiModelReport final : public SRptShellViewIntraModelReport {
public:
    using SRptShellViewIntraModelReport::SRptShellViewIntraModelReport;

    SString GetTitle() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptShellViewMultiModelReport; }
    static const SClassInfo classSRptShellViewMultiModelReport;

private:
    ~SRptShellViewMultiModelReport() override = default;

    bool ClosesDocument() const override { return true; }
};
