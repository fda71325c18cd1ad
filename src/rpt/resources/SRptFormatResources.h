#pragma once
// What the format sheets add to the library's strings: the sheet's title, the paragraph page's
// choice texts and the range warnings of the pages (the pages' templates come with the pages).
#include "platform/base/SModuleState.h"

class SRptFormatResources {
public:
    static void Install(SModuleState& state);
};
