#pragma once
// The framework's base of a document type's load/save manager: the reference count, the table of
// the document types (SRepTypesArray) with their filters, the recognition of a file by its
// signature, and the routines that read and write whole document files in the XML and binary
// forms, back them up, restore them and give the objects new ids. A document type derives from
// it, registers its types and says how its files are loaded, saved and restored.
//
// Files are written whole or not at all: every save goes to a new file in the target's folder
// that takes the target's place only once complete (SOutputFile), so a failed save leaves the
// previous file as it was.
#include <cstdint>
#include <functional>

#include "platform/base/SReadResult.h"
#include "platform/base/SString.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/SRepTypesArray.h"
#include "platform/repo/SStringMap.h"

class SRepLoadSaveManager : public ISLoadSaveManager {
public:
    // The version that this library writes into every document.
    static constexpr const char* sCurrentVersion = "9.0.0";

    SRepLoadSaveManager(const SRepLoadSaveManager&) = delete;
    SRepLoadSaveManager& operator=(const SRepLoadSaveManager&) = delete;

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    uint32_t AcceptDocument(const SString& url, SString* typeName) noexcept override;
    SString GetOpenFilter() noexcept override;
    SString GetSaveAsFilter() noexcept override;
    HRESULT GetMetaDTD(SRepMetaDTD* dtd, const SString& version) noexcept override;
    // A type without its own reading and writing has none.
    HRESULT Load(IUnknown* caller, const SString& path, ISRepObject* root, ISRepSession* session, SString* typeText,
                 SProgressIndicatorEx* progress) noexcept override;
    HRESULT Save(IUnknown* caller, const SString& path, ISRepObject* root, const SString& typeName,
                 SProgressIndicatorEx* progress) noexcept override;
    HRESULT Restore(const SString& path, const SString& typeName) noexcept override;

    // Fills the element-name table of an older version (the word is the framework's and carries
    // nothing here): 1, no table, unless the document type has older versions.
    virtual HRESULT FillMetaDTD(SRepMetaDTD* dtd, uint32_t, const SString& version);
    // The index of the registered type of the file's signature (XML form first, then binary),
    // or -1; the signature's parts into the strings and the map.
    virtual int32_t GetFileSignature(const SString& path, SString* typeName, SStringMap& map, SString& version);

    const SRepTypesArray& GetTypes() const { return m_types; }
    // The backup file of `path` for the backup type: where a save puts the previous file.
    SString GetBackupPath(const SString& path, int32_t backupType) const;
    int32_t GetRefCount() const { return m_refCount; }

    // The signature of a document file in one form: true when one was read.
    static bool GetRepXMLSignature(const SString& path, SString* typeName, SStringMap* map, SString* version,
                                   SReadResult* result = nullptr);
    static bool GetRepBinSignature(const SString& path, SString* typeName, SStringMap* map, SString* version,
                                   SReadResult* result = nullptr);
    // The type name and version of the document file at `path`, in either form.
    static HRESULT GetModelInfo(const SString& path, SString* typeName, SString* version);
    // New object ids for every object of the document that holds `root` and all they own.
    static HRESULT RegenerateOID(ISRepObject* root);
    // The path of a "file://" URL (percent-encoded bytes decoded); anything else is a path.
    static SString URLToPath(const SString& url);

protected:
    // The backup type of a save that makes no backup.
    static constexpr int32_t kNoBackup = -1;

    // The count starts at 0: the creator adds the first reference.
    SRepLoadSaveManager() = default;
    virtual ~SRepLoadSaveManager() = default;

    // Whole document files. The loads put the top objects into the session's model and name the
    // session's format after the type read; the saves write the signature (type name, map,
    // version) and the document that holds `root`. A refused file answers E_IOFAILURE with the
    // place in `result`. A save with a backup type backs the previous file up (RepDoBackup) once
    // the new one is complete, just before it takes the file's place: a save that fails, its
    // backup included, leaves both the file and its earlier backup as they were.
    HRESULT RepXMLLoad(SProgressIndicatorEx* progress, const SString& path, ISRepObject* root, ISRepSession* session,
                       const SString& typeName, const SString& version, SReadResult* result = nullptr);
    HRESULT RepBinLoad(SProgressIndicatorEx* progress, const SString& path, ISRepObject* root, ISRepSession* session,
                       SString* typeName, SString* version, SStringMap* map, SReadResult* result = nullptr);
    HRESULT RepXMLSave(SProgressIndicatorEx* progress, const SString& path, ISRepObject* root, const SString& typeName,
                       const SStringMap& map, const SString& version, int32_t backupType = kNoBackup);
    HRESULT RepBinSave(SProgressIndicatorEx* progress, const SString& path, ISRepObject* root, const SString& typeName,
                       const SStringMap& map, const SString& version, int32_t backupType = kNoBackup);
    // Copies the file at `path` to its backup, named with the extension of the backup type's
    // pattern ("*.rtb"): S_OK, S_FALSE when there is no file to back up, or the failure.
    HRESULT RepDoBackup(const SString& path, int32_t backupType);
    // Copies the backup back to `path`: S_OK, STG_E_FILENOTFOUND without a backup, or the failure.
    HRESULT RepDoRestore(const SString& path, int32_t type, int32_t backupType);

    SRepTypesArray m_types;

private:
    static void CopyFile(const SString& from, const SString& to);
    // What a save with `backupType` does before its file takes the place of `path`: nothing
    // (null) without a backup type.
    std::function<HRESULT()> BackupStep(const SString& path, int32_t backupType);

    int32_t m_refCount = 0;
};
