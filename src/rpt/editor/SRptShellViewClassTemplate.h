#pragma once
// The kind of view of the template editor.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassTemplate final : public SRptShellViewClassBase {
private:
    ~SRptShellViewClassTemplate() override = default;
};
