#pragma once
// The settings store that plays the registry: two roots (the current user and the machine), keys
// named by paths, and named string or number values under them. A value that is missing is
// distinct from one that is empty. The store lives in memory; the host may back it by a file.
#include <cstdint>
#include <map>
#include <string_view>

#include "platform/base/SReadResult.h"
#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

class SInputStream;
class SOutputStream;

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_DWORD = 4;

struct SSettingsValue {
    uint32_t type = REG_SZ;
    SString text;
    int32_t number = 0;

    friend bool operator==(const SSettingsValue&, const SSettingsValue&) = default;
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

    // File backing (the form is SSettingsFile's). Loading replaces the whole store, both roots,
    // and answers S_OK; STG_E_FILENOTFOUND for a missing file, E_IOFAILURE for one that cannot
    // be read, E_INVALIDARG for one that is malformed, cut short or too large. On any failure
    // the store is left as it was. `result` (may be null) receives the code and, for a
    // malformed text, where it went wrong. A stream is read to its end and closed; the store
    // changes only once it has been closed without error.
    HRESULT LoadFromFile(const SString& path, SReadResult* result = nullptr);
    HRESULT LoadFromStream(SInputStream& in, SReadResult* result = nullptr);
    HRESULT LoadFromText(std::string_view text, SReadResult* result = nullptr);
    // Saving writes a new file and replaces the old one only once it is complete (SOutputFile):
    // S_OK, or E_IOFAILURE with the previous file intact. E_INVALIDARG for a value the form
    // cannot hold (a type other than text and number, a name holding a zero byte), with
    // nothing written.
    HRESULT SaveToFile(const SString& path) const;
    // Throws SEIOException when the stream fails.
    HRESULT SaveToStream(SOutputStream& out) const;

    // Value names compare without regard to ASCII case, as key names do; a value keeps the
    // spelling of the name it was first written under.
    struct NameLess {
        bool operator()(const SString& a, const SString& b) const;
    };
    using Values = std::map<SString, SSettingsValue, NameLess>;
    using Keys = std::map<std::pair<HKEY, SString>, Values>;
    const Keys& GetKeys() const { return m_keys; }
    Keys& GetKeys() { return m_keys; }

private:
    Keys m_keys;
};
