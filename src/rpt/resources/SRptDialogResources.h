#pragma once
// The editor's dialog templates (format sheets and their pages, the text editor, header and
// footer, template type, zoom, templates list, layout grids, printing progress), installed in
// the library's module state.
#include "platform/base/SModuleState.h"

class SRptDialogResources {
public:
    static void Install(SModuleState& state);
};
