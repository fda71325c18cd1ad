#pragma once
// The kind of view of the print preview.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassPreview final : public SRptShellViewClassBase {
private:
    ~SRptShellViewClassPreview() override = default;
};
