#pragma once
// Enters tables of the library's dialog templates in a module state. A template's bytes are built
// the first time its table is installed and live as long as the program, because the module state
// keeps pointers to them; installing a table again (a detach and attach) enters the same bytes.
#include <cstddef>
#include <cstdint>

#include "platform/base/SModuleState.h"
#include "platform/ui/SResourceBuilder.h"

class SRptDialogInstaller {
public:
    struct Row {
        uint32_t id;
        SDlgResource dialog;
    };

    static void Install(SModuleState& state, const Row* rows, size_t count);
};
