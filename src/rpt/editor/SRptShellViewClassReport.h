#pragma once
// The kind of view of the report editors, on one model or on several.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassReport final : public SRptShellViewClassBase {
private:
    ~SRptShellViewClassReport() override = default;
};
