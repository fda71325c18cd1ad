#pragma once
// The templates of the format sheets' Paragraph and Border pages with their controls, and the
// formats in which the pages show a length in centimetres or inches.
#include "platform/base/SModuleState.h"

class SRptFormatPageResources1 {
public:
    static void Install(SModuleState& state);
};
