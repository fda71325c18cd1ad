#include "platform/base/SUserRegistry.h"


bool SUserRegistry::CopyHKLM(const SString& key, const SString& name) {
    SSettingsStore& store = SSettingsStore::Get();
    SSettingsValue value;
    if (!store.ReadValue(HKEY_LOCAL_MACHINE, key, name, value)) return false;
    store.WriteValue(HKEY_CURRENT_USER, key, name, value);
    return true;
}
