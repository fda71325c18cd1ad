#pragma once
// The library's string table (id to text).
#include "platform/base/SModuleState.h"

class SRptStringTable {
public:
    static void Install(SModuleState& state);
};
