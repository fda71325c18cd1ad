#pragma once
// The module state of the host's symbol library, which the report library caches at start-up.
#include "platform/base/SModuleState.h"

SModuleState* SSymGetModuleState();
