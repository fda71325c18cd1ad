#pragma once
// What the format sheets add to the library's resources: the templates of their paragraph,
// border, line and page breaks and tabs pages, the sheet's title, the paragraph page's choice
// texts and the range warnings of the pages.
#include "platform/base/SModuleState.h"

class SRptFormatResources {
public:
    static void Install(SModuleState& state);
};
