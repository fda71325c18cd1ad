#pragma once
// The templates of the title page dialog and of the language dialog.
#include "platform/base/SModuleState.h"

class SRptDialogResourcesMM {
public:
    static void Install(SModuleState& state);
};
