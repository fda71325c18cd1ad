#include "platform/base/SStringLoad.h"

#include "platform/base/SModuleState.h"

SString SStringLoad(uint32_t id, const char* defaultText, HINSTANCE instance) {
    if (instance) {
        if (const SString* found = instance->FindString(id)) return *found;
    }
    return SString(defaultText);
}
