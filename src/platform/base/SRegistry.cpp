#include "platform/base/SRegistry.h"

bool SRegistry::Init(HKEY root, const SString& path, int32_t create) {
    m_root = root;
    m_path = path;
    m_writable = create != 0;
    SSettingsStore& store = SSettingsStore::Get();
    if (m_writable) store.CreateKey(root, path);
    m_open = store.KeyExists(root, path);
    return m_open;
}

bool SRegistry::GetProfile(const SString& name, SString* value, const SString& defaultValue, uint32_t* type) const {
    SSettingsValue found;
    if (!m_open || !SSettingsStore::Get().ReadValue(m_root, m_path, name, found)) {
        if (value) *value = defaultValue;
        return false;
    }
    if (value) *value = found.type == REG_DWORD ? SString::FromInt(found.number) : found.text;
    if (type) *type = found.type;
    return true;
}

bool SRegistry::GetProfile(const SString& name, int32_t* value, int32_t defaultValue) const {
    SSettingsValue found;
    if (!m_open || !SSettingsStore::Get().ReadValue(m_root, m_path, name, found)) {
        if (value) *value = defaultValue;
        return false;
    }
    if (value) *value = found.type == REG_DWORD ? found.number : found.text.ToInt();
    return true;
}

bool SRegistry::WriteProfile(const SString& name, const SString& value) {
    if (!m_open || !m_writable) return false;
    SSettingsValue stored;
    stored.type = REG_SZ;
    stored.text = value;
    SSettingsStore::Get().WriteValue(m_root, m_path, name, stored);
    return true;
}

bool SRegistry::WriteProfile(const SString& name, int32_t value, int32_t asNumber) {
    if (!asNumber) return WriteProfile(name, SString::FromInt(value));
    if (!m_open || !m_writable) return false;
    SSettingsValue stored;
    stored.type = REG_DWORD;
    stored.number = value;
    SSettingsStore::Get().WriteValue(m_root, m_path, name, stored);
    return true;
}

bool SRegistry::DeleteProfile(const SString& name) {
    return m_open && m_writable && SSettingsStore::Get().DeleteValue(m_root, m_path, name);
}
