#include "platform/base/SUserRegistry.h"

const SString SUserRegistry::sApplicationRoot = "Software\\Report Editor\\";
const SString SUserRegistry::sApplicationPaths = "Software\\Report Editor\\Paths\\";
const SString SUserRegistry::sApplicationGeneral = "Software\\Report Editor\\General\\";

bool SUserRegistry::CopyHKLM(const SString& key, const SString& name) {
    SSettingsStore& store = SSettingsStore::Get();
    SSettingsValue value;
    if (!store.ReadValue(HKEY_LOCAL_MACHINE, key, name, value)) return false;
    store.WriteValue(HKEY_CURRENT_USER, key, name, value);
    return true;
}
