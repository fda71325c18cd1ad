#pragma once
// The settings store that plays the registry: two roots (the current user and the machine), keys
// named by paths, and named string or number values under them. A value that is missing is
// distinct from one that is empty. The store lives in memory; the host may back it by a file.
#include <cstdint>
#include <map>

#include "platform/base/SString.h"

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_DWORD = 4;

struct SSettingsValue {
    uint32_t type = REG_SZ;
    SString text;
    int32_t number = 0;
};

class SSettingsStore {
public:
    // The process's store (the registry is the system's own global state).
    static SSettingsStore& Get();

    bool KeyExists(HKEY root, const SString& key) const;
    void CreateKey(HKEY root, const SString& key);
    void DeleteKey(HKEY root, const SString& key);
    // False (and `out` unchanged) when the key or the value is missing.
    bool ReadValue(HKEY root, const SString& key, const SString& name, SSettingsValue& out) const;
    // Creates the key when needed.
    void WriteValue(HKEY root, const SString& key, const SString& name, const SSettingsValue& value);
    bool DeleteValue(HKEY root, const SString& key, const SString& name);
    void Clear();

    // Keys are compared without regard to ASCII case or the separator ('\' or '/'), as the
    // registry does.
    static SString NormaliseKey(const SString& key);

    using Values = std::map<SString, SSettingsValue>;
    using Keys = std::map<std::pair<HKEY, SString>, Values>;
    const Keys& GetKeys() const { return m_keys; }
    Keys& GetKeys() { return m_keys; }

private:
    Keys m_keys;
};
