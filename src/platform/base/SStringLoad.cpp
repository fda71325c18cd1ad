#include "platform/base/SStringLoad.h"

#include "platform/base/SModuleState.h"

SString SStringLoad(uint32_t id, const char* defaultText, HINSTANCE instance) {
    const SModuleState& module = instance ? *instance : SModuleState::GetCurrent();
    if (const SString* found = module.FindString(id)) return *found;
    return SString(defaultText);
}
