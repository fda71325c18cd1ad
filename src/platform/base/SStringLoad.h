#pragma once
// Loading a string of another module's resources by its resource handle, without making that
// module current.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"

// String `id` of the module whose handle is `instance`, or of the current module state when
// `instance` is null; `defaultText` when that module has no such string.
SString SStringLoad(uint32_t id, const char* defaultText, HINSTANCE instance);
