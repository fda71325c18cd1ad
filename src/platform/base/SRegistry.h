#pragma once
// Access to one key of the settings store. Reads leave the default in the value when the
// store has none and say whether a value was found; writes need a key opened for writing.
#include "platform/base/SSettingsStore.h"

class SRegistry {
public:
    SRegistry() = default;
    // `create` non-zero opens the key for writing and creates it when missing; zero opens an
    // existing key for reading only.
    SRegistry(HKEY root, const SString& path, int32_t create) { Init(root, path, create); }

    bool Init(HKEY root, const SString& path, int32_t create);
    void Close() { m_open = false; }
    bool IsOpen() const { return m_open; }
    HKEY GetRoot() const { return m_root; }
    const SString& GetPath() const { return m_path; }

    // Text value; a number value is read as its decimal text. `type` (may be null) receives
    // REG_SZ or REG_DWORD.
    bool GetProfile(const SString& name, SString* value, const SString& defaultValue, uint32_t* type = nullptr) const;
    // Number value; a text value is read as a number.
    bool GetProfile(const SString& name, int32_t* value, int32_t defaultValue) const;
    bool WriteProfile(const SString& name, const SString& value);
    bool WriteProfile(const SString& name, int32_t value, int32_t asNumber = 1);
    bool DeleteProfile(const SString& name);

private:
    HKEY m_root = 0;
    SString m_path;
    bool m_open = false;
    bool m_writable = false;
};
