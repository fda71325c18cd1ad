#include "platform/base/SSettingsStore.h"

#include <new>

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SOutputBufferStream.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SSettingsFile.h"

namespace {
HRESULT FromIOFailure(const SEIOException& e) {
    switch (e.GetCause()) {
        case SEIOException::fileNotFound: return STG_E_FILENOTFOUND;
        case SEIOException::badFormat: return E_INVALIDARG;
        default: return E_IOFAILURE;
    }
}
}  // namespace

SSettingsStore& SSettingsStore::Get() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static SSettingsStore* store = new SSettingsStore();
    return *store;
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

HRESULT SSettingsStore::LoadFromText(std::string_view text) {
    try {
        return SSettingsFile::Parse(text, m_keys);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT SSettingsStore::LoadFromStream(SInputStream& in) {
    std::string text;
    try {
        text = in.ReadAll(SSettingsFile::kMaxBytes);
    } catch (const SEIOException& e) {
        return FromIOFailure(e);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return LoadFromText(text);
}

HRESULT SSettingsStore::LoadFromFile(const SString& path) {
    try {
        SInputFile file(path);
        HRESULT hr = LoadFromStream(file);
        file.Close();
        return hr;
    } catch (const SEIOException& e) {
        return FromIOFailure(e);
    }
}

HRESULT SSettingsStore::SaveToStream(SOutputStream& out) const {
    return SSettingsFile::Write(m_keys, out);
}

HRESULT SSettingsStore::SaveToFile(const SString& path) const {
    try {
        SOutputFile file(path, 1);
        SOutputBufferStream buffer(file);
        HRESULT hr = SaveToStream(buffer);
        // A refused store leaves the previous file alone: the new one is dropped unsaved.
        if (FAILED(hr)) return hr;
        buffer.Close();
        file.Close();
        return S_OK;
    } catch (const SEIOException&) {
        return E_IOFAILURE;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
