#pragma once
// Loading a string of another module's resources by its resource handle, without making that
// module current.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"

// String `id` of the module whose handle is `instance`; `defaultText` when the module has no such
// string or there is no module.
SString SStringLoad(uint32_t id, const char* defaultText, HINSTANCE instance);
