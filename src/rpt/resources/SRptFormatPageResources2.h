#pragma once
// The templates of the format sheets' line and page breaks, text and tabs pages, with their
// controls.
#include "platform/base/SModuleState.h"

class SRptFormatPageResources2 {
public:
    static void Install(SModuleState& state);
};
