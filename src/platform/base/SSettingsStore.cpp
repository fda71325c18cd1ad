#include "platform/base/SSettingsStore.h"

SSettingsStore& SSettingsStore::Get() {
    static SSettingsStore store;
    return store;
}

SString SSettingsStore::NormaliseKey(const SString& key) {
    SString normal = key;
    normal.Replace('/', '\\');
    normal.TrimRight("\\");
    normal.TrimLeft("\\");
    return normal.MakeLower();
}

bool SSettingsStore::KeyExists(HKEY root, const SString& key) const {
    return m_keys.count({root, NormaliseKey(key)}) != 0;
}

void SSettingsStore::CreateKey(HKEY root, const SString& key) {
    m_keys[{root, NormaliseKey(key)}];
}

void SSettingsStore::DeleteKey(HKEY root, const SString& key) {
    m_keys.erase({root, NormaliseKey(key)});
}

bool SSettingsStore::ReadValue(HKEY root, const SString& key, const SString& name, SSettingsValue& out) const {
    auto k = m_keys.find({root, NormaliseKey(key)});
    if (k == m_keys.end()) return false;
    auto v = k->second.find(name);
    if (v == k->second.end()) return false;
    out = v->second;
    return true;
}

void SSettingsStore::WriteValue(HKEY root, const SString& key, const SString& name, const SSettingsValue& value) {
    m_keys[{root, NormaliseKey(key)}][name] = value;
}

bool SSettingsStore::DeleteValue(HKEY root, const SString& key, const SString& name) {
    auto k = m_keys.find({root, NormaliseKey(key)});
    return k != m_keys.end() && k->second.erase(name) != 0;
}

void SSettingsStore::Clear() {
    m_keys.clear();
}
