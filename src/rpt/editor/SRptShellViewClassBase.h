#pragma once
// The base of the library's kinds of editor views (template editor, report editor, print
// preview), of which the shell module makes one each for the process. A view class is counted
// from 1, the reference of the module that made it. What a kind of view offers the host (its id,
// menus, toolbars and commands) comes with the editor views.
#include "platform/com/IUnknown.h"
#include "rpt/module/SRptRefCounted.h"

class SRptShellViewClassBase : public SRptRefCounted<IUnknown> {
protected:
    SRptShellViewClassBase() : SRptRefCounted(1) {}
    ~SRptShellViewClassBase() override = default;
};
