#pragma once
// What a clickable zone of a user graphic refers to: the module's object and the report item
// that the module names as presenting it.
#include "platform/com/GUID.h"

struct ISRptItem;

struct RPTHOTZONE {
    GUID ObjectID{};                  // GUID_NULL for none
    ISRptItem* TargetItem = nullptr;  // not counted: the template's items outlive the run
};
