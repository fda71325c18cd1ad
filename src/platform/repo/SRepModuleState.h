#pragma once
// The repository framework's own module state: the resources (strings) that belong to the
// framework rather than to the library built on it.
#include "platform/base/SModuleState.h"

SModuleState* SRepGetModuleState();
