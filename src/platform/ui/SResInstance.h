#pragma once
// Where resources are loaded from: the current module state, or the module state that holds a
// resource (the current one first, then the user-interface library's).
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"

HINSTANCE SGetResInstance();
HINSTANCE SGetResInstance(uint32_t id, const SString& type);
// The module state of the user-interface library: the texts of the standard commands.
HINSTANCE SLibGetModuleState();
// A resource's bytes from a module; false when it has none of that type and id.
bool SFindResource(HINSTANCE instance, uint32_t id, const SString& type, const uint8_t** data, size_t* size);
