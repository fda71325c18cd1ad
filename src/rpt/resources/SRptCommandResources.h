#pragma once
// The editor's menus, accelerator tables and toolbars, and the texts of its commands (status-bar
// prompt, a line feed, tooltip), installed in the library's module state.
#include "platform/base/SModuleState.h"

class SRptCommandResources {
public:
    static void Install(SModuleState& state);
};
