#include "platform/base/SSettingsStore.h"

#include <algorithm>
#include <new>

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
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

// A read that failed before the text was whole: the code, and how far it got.
HRESULT Refused(HRESULT code, uint64_t offset, SReadResult* result) {
    if (result) *result = SReadResult{code, offset};
    return code;
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

bool SSettingsStore::NameLess::operator()(const SString& a, const SString& b) const {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::lexicographical_compare(
        a.view().begin(), a.view().end(), b.view().begin(), b.view().end(),
        [&](char x, char y) { return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y)); });
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

HRESULT SSettingsStore::LoadFromText(std::string_view text, SReadResult* result) {
    SReadResult read;
    try {
        read = SSettingsFile::Parse(text, m_keys);
    } catch (const std::bad_alloc&) {
        read.code = E_OUTOFMEMORY;
    }
    if (result) *result = read;
    return read.code;
}

HRESULT SSettingsStore::LoadFromStream(SInputStream& in, SReadResult* result) {
    std::string text;
    try {
        text = in.ReadAll(SSettingsFile::kMaxBytes);
        // A stream that fails as it closes may not have given all it had.
        in.Close();
    } catch (const SEIOException& e) {
        HRESULT code = FromIOFailure(e);
        // Too large: refused at the first byte past the limit, as a text in memory is.
        uint64_t offset = code == E_INVALIDARG ? SSettingsFile::kMaxBytes : static_cast<uint64_t>(in.GetPosition());
        return Refused(code, offset, result);
    } catch (const std::bad_alloc&) {
        return Refused(E_OUTOFMEMORY, static_cast<uint64_t>(in.GetPosition()), result);
    }
    return LoadFromText(text, result);
}

HRESULT SSettingsStore::LoadFromFile(const SString& path, SReadResult* result) {
    try {
        SInputFile file(path);
        return LoadFromStream(file, result);
    } catch (const SEIOException& e) {
        return Refused(FromIOFailure(e), 0, result);
    }
}

HRESULT SSettingsStore::SaveToStream(SOutputStream& out) const {
    return SSettingsFile::Write(m_keys, out);
}

HRESULT SSettingsStore::SaveToFile(const SString& path) const {
    try {
        SOutputFile file(path, 1);
        HRESULT hr = SaveToStream(file);
        // A refused store leaves the previous file alone: the new one is dropped unsaved.
        if (FAILED(hr)) return hr;
        file.Close();
        return S_OK;
    } catch (const SEIOException&) {
        return E_IOFAILURE;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
