#pragma once
// The library's resources: string tables and the binary resources (the metamodel), installed in
// the library's module state when it is built.
#include "platform/base/SModuleState.h"

class SRptResources {
public:
    static void Install(SModuleState& state);
};
