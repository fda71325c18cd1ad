#include "platform/repo/SRepLoadSaveManager.h"

#include <functional>

#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputBufferStream.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SOutputFile.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepClassCol.h"
#include "platform/repo/SRepDocumentWriter.h"
#include "platform/repo/SRepPersistentClasses.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/repo/SRepVariant.h"
#include "platform/repo/SRepXMLStreamManager.h"

// ---- IUnknown ----

HRESULT SRepLoadSaveManager::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISLoadSaveManager::iid) return E_NOINTERFACE;
    *out = static_cast<ISLoadSaveManager*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRepLoadSaveManager::AddRef() {
    return static_cast<uint32_t>(++m_refCount);
}

uint32_t SRepLoadSaveManager::Release() {
    const int32_t count = --m_refCount;
    if (count == 0) delete this;
    return static_cast<uint32_t>(count);
}

// ---- recognition and filters ----

SString SRepLoadSaveManager::URLToPath(const SString& url) {
    const std::string text = url.str();
    static constexpr const char kScheme[] = "file://";
    if (text.compare(0, sizeof kScheme - 1, kScheme) != 0) return url;
    std::string path;
    for (size_t i = sizeof kScheme - 1; i < text.size(); ++i) {
        auto hex = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        };
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            path.push_back(static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2])));
            i += 2;
        } else {
            path.push_back(text[i]);
        }
    }
    return SString(path);
}

uint32_t SRepLoadSaveManager::AcceptDocument(const SString& url, SString* typeName) noexcept {
    try {
        SString name;
        SString version;
        SStringMap map;
        const int32_t index = GetFileSignature(URLToPath(url), &name, map, version);
        if (index < 0 || index >= m_types.GetCount()) return 0;
        if (typeName) *typeName = m_types[index].typeName;
        return m_types[index].flags;
    } catch (...) {
        return 0;
    }
}

SString SRepLoadSaveManager::GetOpenFilter() noexcept {
    try {
        SString filter;
        for (int32_t i = 0; i < m_types.GetCount(); ++i)
            filter += m_types[i].description + "|" + m_types[i].pattern + "|";
        return filter;
    } catch (...) {
        return SString();
    }
}

SString SRepLoadSaveManager::GetSaveAsFilter() noexcept {
    try {
        SString filter;
        for (int32_t i = 0; i < m_types.GetCount(); ++i)
            if (!m_types[i].typeName.IsEmpty()) filter += m_types[i].description + "|" + m_types[i].pattern + "|";
        return filter;
    } catch (...) {
        return SString();
    }
}

HRESULT SRepLoadSaveManager::GetMetaDTD(SRepMetaDTD* dtd, const SString& version) noexcept {
    return SExceptionResult::Guard([&] { return FillMetaDTD(dtd, 0, version); });
}

HRESULT SRepLoadSaveManager::FillMetaDTD(SRepMetaDTD*, uint32_t, const SString&) {
    return S_FALSE;
}

int32_t SRepLoadSaveManager::GetFileSignature(const SString& path, SString* typeName, SStringMap& map,
                                              SString& version) {
    SString local;
    SString& name = typeName ? *typeName : local;
    if (GetRepXMLSignature(path, &name, &map, &version)) return m_types.FindSignature(name);
    map = SStringMap();
    if (GetRepBinSignature(path, &name, &map, &version)) return m_types.FindSignature(name);
    return -1;
}

HRESULT SRepLoadSaveManager::Load(IUnknown*, const SString&, ISRepObject*, ISRepSession*, SString*,
                                  SProgressIndicatorEx*) noexcept {
    return E_NOTIMPL;
}

HRESULT SRepLoadSaveManager::Save(IUnknown*, const SString&, ISRepObject*, const SString&,
                                  SProgressIndicatorEx*) noexcept {
    return E_NOTIMPL;
}

HRESULT SRepLoadSaveManager::Restore(const SString&, const SString&) noexcept {
    return E_NOTIMPL;
}

// ---- signatures ----

namespace {

// Reads a signature from the file at `path` with a stream manager of one form.
bool ReadFileSignature(SRepStreamManager& manager, const SString& path, SString* typeName, SStringMap* map,
                       SString* version, SReadResult* result) {
    SReadResult local;
    SReadResult& answer = result ? *result : local;
    HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        SInputBufferStream in(file);
        SStringMap read;
        const HRESULT code = manager.ReadSignature(in, typeName, version, &read, &answer);
        if (SUCCEEDED(code) && map) *map = read;
        return code;
    });
    if (FAILED(hr) && SUCCEEDED(answer.code)) answer = SReadResult{hr, 0, 0, 0};
    return SUCCEEDED(hr);
}

}  // namespace

bool SRepLoadSaveManager::GetRepXMLSignature(const SString& path, SString* typeName, SStringMap* map,
                                             SString* version, SReadResult* result) {
    SRepXMLStreamManager manager;
    return ReadFileSignature(manager, path, typeName, map, version, result);
}

bool SRepLoadSaveManager::GetRepBinSignature(const SString& path, SString* typeName, SStringMap* map,
                                             SString* version, SReadResult* result) {
    SRepStreamManager manager;
    return ReadFileSignature(manager, path, typeName, map, version, result);
}

HRESULT SRepLoadSaveManager::GetModelInfo(const SString& path, SString* typeName, SString* version) {
    if (GetRepXMLSignature(path, typeName, nullptr, version)) return S_OK;
    SReadResult result;
    if (GetRepBinSignature(path, typeName, nullptr, version, &result)) return S_OK;
    return FAILED(result.code) ? result.code : E_FAIL;
}

// ---- whole files ----

namespace {

HRESULT LoadFile(SRepStreamManager& manager, ISLoadSaveManager* types, const SString& path, ISRepSession* session,
                 SReadResult* result) {
    if (!session) return E_POINTER;
    SReadResult local;
    SReadResult& answer = result ? *result : local;
    const HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        SInputBufferStream in(file);
        return manager.Load(in, types, session, &answer);
    });
    if (FAILED(hr) && SUCCEEDED(answer.code)) answer = SReadResult{hr, 0, 0, 0};
    if (SUCCEEDED(hr)) {
        session->SetFormatName(manager.GetTypeName());
        session->SetPathName(path);
    }
    return hr;
}

// Writes the document; `beforeReplacing`, when given, runs once the new file is complete and
// before it takes the target's place, and a failure there drops the new file.
HRESULT SaveFile(SRepStreamManager& manager, const SString& path, ISRepObject* root, const SString& typeName,
                 const SStringMap& map, const SString& version, const std::function<HRESULT()>& beforeReplacing) {
    if (!root) return E_POINTER;
    return SExceptionResult::Guard([&] {
        manager.SetSignature(typeName, version, map);
        SOutputFile file(path, 1);
        HRESULT hr = manager.Save(file, root);
        // A failed document never takes the target's place: the file goes unclosed.
        if (FAILED(hr)) return hr;
        if (beforeReplacing) {
            file.Complete();
            hr = beforeReplacing();
            if (FAILED(hr)) return hr;
        }
        file.Close();
        return S_OK;
    });
}

}  // namespace

HRESULT SRepLoadSaveManager::RepXMLLoad(SProgressIndicatorEx*, const SString& path, ISRepObject*,
                                        ISRepSession* session, const SString& typeName, const SString&,
                                        SReadResult* result) {
    SRepXMLStreamManager manager;
    manager.SetSignature(typeName, SString(), SStringMap());
    return LoadFile(manager, this, path, session, result);
}

HRESULT SRepLoadSaveManager::RepBinLoad(SProgressIndicatorEx*, const SString& path, ISRepObject*,
                                        ISRepSession* session, SString* typeName, SString* version, SStringMap* map,
                                        SReadResult* result) {
    SRepStreamManager manager;
    const HRESULT hr = LoadFile(manager, this, path, session, result);
    if (typeName) *typeName = manager.GetTypeName();
    if (version) *version = manager.GetVersion();
    if (map) *map = manager.GetSignatureMap();
    return hr;
}

HRESULT SRepLoadSaveManager::RepXMLSave(SProgressIndicatorEx*, const SString& path, ISRepObject* root,
                                        const SString& typeName, const SStringMap& map, const SString& version,
                                        int32_t backupType) {
    SRepXMLStreamManager manager;
    return SaveFile(manager, path, root, typeName, map, version, BackupStep(path, backupType));
}

HRESULT SRepLoadSaveManager::RepBinSave(SProgressIndicatorEx*, const SString& path, ISRepObject* root,
                                        const SString& typeName, const SStringMap& map, const SString& version,
                                        int32_t backupType) {
    SRepStreamManager manager;
    return SaveFile(manager, path, root, typeName, map, version, BackupStep(path, backupType));
}

std::function<HRESULT()> SRepLoadSaveManager::BackupStep(const SString& path, int32_t backupType) {
    if (backupType == kNoBackup) return nullptr;
    return [this, path, backupType] { return RepDoBackup(path, backupType); };
}

// ---- backups and object ids ----

SString SRepLoadSaveManager::GetBackupPath(const SString& path, int32_t backupType) const {
    const SString pattern = m_types[backupType].pattern;
    const int32_t dot = pattern.ReverseFind('.');
    const SString extension = dot < 0 ? SString("bak") : pattern.Mid(dot + 1);
    return SFile::MakeFilename(SFile::GetFolder(path), SFile::GetBaseName(path), extension);
}

void SRepLoadSaveManager::CopyFile(const SString& from, const SString& to) {
    SInputFile in(from);
    SOutputFile out(to, 1);
    char chunk[8192];
    for (size_t got; (got = in.Read(chunk, sizeof chunk)) > 0;) out.Write(chunk, got);
    out.Close();
}

HRESULT SRepLoadSaveManager::RepDoBackup(const SString& path, int32_t backupType) {
    return SExceptionResult::Guard([&] {
        if (!SFile::Exists(path) || SFile::IsDirectory(path)) return S_FALSE;
        CopyFile(path, GetBackupPath(path, backupType));
        return S_OK;
    });
}

HRESULT SRepLoadSaveManager::RepDoRestore(const SString& path, int32_t, int32_t backupType) {
    return SExceptionResult::Guard([&] {
        const SString backup = GetBackupPath(path, backupType);
        if (!SFile::Exists(backup) || SFile::IsDirectory(backup)) return STG_E_FILENOTFOUND;
        CopyFile(backup, path);
        return S_OK;
    });
}

namespace {

// Walks what a document stores, as deep as the check before it let it.
void RegenerateTree(ISRepObject* object, SRepPersistentClasses& classes) {
    SRepVariant oid;
    oid.SetOID(SRepObjectBaseMem::NewOID());
    object->SetAttribute(SREP_DISPID_OID, oid);
    if (!SRepObjectMem::FromObject(object)) return;
    const SRepPersistentClass* members = classes.Find(object->GetClassID());
    if (!members) return;
    for (const auto& element : SRepDocumentWriter::StoredElements(object, *members)) RegenerateTree(element.Get(), classes);
}

}  // namespace

HRESULT SRepLoadSaveManager::RegenerateOID(ISRepObject* root) {
    if (!root) return E_POINTER;
    return SExceptionResult::Guard([&] {
        const auto top = SRepDocumentWriter::TopObjectsOf(root);
        // A document that no save may write keeps its ids.
        SRepDocumentWriter::CheckNesting(top, SRepDocumentLimits::kMaxDepth);
        SRepPersistentClasses classes;
        for (const auto& object : top) RegenerateTree(object.Get(), classes);
        return S_OK;
    });
}
