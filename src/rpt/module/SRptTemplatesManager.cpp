#include "rpt/module/SRptTemplatesManager.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/base/SEIOException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputBufferStream.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SModuleState.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepLoadSaveManager.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/repo/SRepXMLStreamManager.h"
#include "platform/ui/SLibMsgBox.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

namespace {

constexpr uint32_t IDS_RPT_CHOOSE_TEMPLATES_PATH = 5504;
constexpr const char* kDefaultTemplatesPath = "./";

SRptShellModule* Shell() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetRptShellModule() : nullptr;
}

SComWrap<ISLoadSaveManager> LoadSaveManager() {
    SComWrap<ISLoadSaveManager> manager;
    if (SRptShellModule* shell = Shell()) SComCheck(shell->GetLoadSaveManager(&manager));
    if (!manager) SComThrow(E_POINTER);
    return manager;
}

SString LoadText(uint32_t id, const char* defaultText) {
    SModuleStateGuard state(SRptGetModuleState());
    SString text;
    text.LoadString(id, defaultText);
    return text;
}

bool IsTemplateFileName(const std::string& name) {
    static constexpr const char kExtension[] = ".rtp";
    const size_t length = sizeof kExtension - 1;
    return name.size() > length && _tcsicmp(name.c_str() + name.size() - length, kExtension) == 0;
}

// The template files of a folder, in name order, each once.
std::vector<SString> TemplateFilesOf(const SString& folder) {
    std::vector<SString> files;
    std::error_code error;
    const std::filesystem::path where(folder.IsEmpty() ? std::string(".") : folder.str());
    for (auto it = std::filesystem::directory_iterator(where, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsTemplateFileName(name) && it->is_regular_file(error)) files.emplace_back(folder + SString(name));
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Closes a new session on every way out but the one that hands it over.
class SSessionKeeper {
public:
    explicit SSessionKeeper(ISRepSession* session) : m_session(session) {}
    ~SSessionKeeper() {
        if (m_session) m_session->Close();
    }
    SSessionKeeper(const SSessionKeeper&) = delete;
    SSessionKeeper& operator=(const SSessionKeeper&) = delete;
    void Keep() { m_session = nullptr; }

private:
    ISRepSession* m_session;
};

}  // namespace

SString SRptTemplatesManager::GetTemplatesPath() {
    SString path;
    SRegistry user(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 0);
    if (!user.GetProfile(RPT_TEMPLATES_PATH_VALUE, &path, kDefaultTemplatesPath)) {
        if (SUserRegistry::CopyHKLM(SUserRegistry::sApplicationPaths, RPT_TEMPLATES_PATH_VALUE)) {
            SRegistry copied(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 0);
            copied.GetProfile(RPT_TEMPLATES_PATH_VALUE, &path, kDefaultTemplatesPath);
        } else {
            path = kDefaultTemplatesPath;
        }
    }
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '/') path += "/";
    return path;
}

int32_t SRptTemplatesManager::ChangeTemplatesPath(SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    SString start = GetTemplatesPath();
    if (!SFile::IsDirectory(start)) start = SFile::GetCurrentDrive() + SFile::GetCurrentDirectory();
    SPrompt prompt;
    prompt.kind = SPrompt::FolderDialog;
    prompt.caption = LoadText(IDS_RPT_CHOOSE_TEMPLATES_PATH, "Choose report templates path");
    prompt.text = start;
    const SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK || answer.path.IsEmpty()) return 0;
    SRegistry user(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 1);
    user.WriteProfile(RPT_TEMPLATES_PATH_VALUE, answer.path);
    return 1;
}

int32_t SRptTemplatesManager::GetTemplatesList(const SString& wanted, SStringMap& list) {
    const SString folder = GetTemplatesPath();
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    if (!modules) return 0;
    const std::vector<SString> files = TemplateFilesOf(folder);
    if (files.empty()) return 1;
    const SComWrap<ISLoadSaveManager> manager = LoadSaveManager();
    const SString all = LoadText(IDS_RPT_ALL_MODULES, "ALL");
    for (const SString& file : files) {
        // Each file's signature alone: nothing of another file may stand in for what it lacks.
        SStringMap signature;
        SString typeName;
        SString version;
        const uint32_t form = manager->AcceptDocument(SFile::PathToURL(file), nullptr);
        bool read = false;
        if (form == RPT_TEMPLATE_BIN_FLAGS)
            read = SRepLoadSaveManager::GetRepBinSignature(file, &typeName, &signature, &version);
        else if (form == RPT_TEMPLATE_XML_FLAGS)
            read = SRepLoadSaveManager::GetRepXMLSignature(file, &typeName, &signature, &version);
        if (!read) continue;
        SString name;
        SString moduleId;
        if (!signature.Lookup("Name", name) || !signature.Lookup("ModuleID", moduleId)) continue;
        if (!modules->Contains(moduleId)) continue;
        if (_mbscmp(wanted.c_str(), all.c_str()) != 0 && _mbscmp(moduleId.c_str(), wanted.c_str()) != 0) continue;
        list.SetAt(name, file);
    }
    return 1;
}

HRESULT SRptTemplatesManager::SaveTemplate(const SString& path, ISRptReport* report) {
    // What the signature needs is there before the file is touched.
    SComWrap<ISRepObject> root;
    root = static_cast<IUnknown*>(report);
    if (!root) SComThrow(E_POINTER);
    SStringMap map = SRptTemplateLoadSaveManager::BuildSignature(root.Get());
    SRepXMLStreamManager stream;
    stream.SetDocumentBodyName("Model");
    stream.SetSignature(RPT_TEMPLATE_XML_TYPE, SRepLoadSaveManager::sCurrentVersion, map);
    // A document that could not be written whole never takes the file's place.
    try {
        SOutputFile file(path, 1);
        stream.WriteDocument(file, root.Get());
        file.Close();
        return S_OK;
    } catch (const SEIOException& e) {
        // The file itself failed (a full disk, a file too large): the user hears what failed.
        SLibMsgBox(SGetMainWnd(), " - ").Error(e.GetText());
        return E_UNEXPECTED;
    } catch (...) {
        return SExceptionResult::FromCurrent();
    }
}

HRESULT SRptTemplatesManager::ReadTemplateFile(const SString& path, uint32_t form, ISRepSession* session) {
    SRepStreamManager binary;
    SRepXMLStreamManager xml;
    SRepStreamManager& stream = form == RPT_TEMPLATE_BIN_FLAGS ? binary : xml;
    SString typeName;
    SString version;
    SStringMap map;
    HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        SInputBufferStream in(file);
        return stream.ReadSignature(in, &typeName, &version, &map);
    });
    if (FAILED(hr)) return hr;
    stream.SetDocumentBodyName("Model");
    stream.SetSignature(typeName, version, SStringMap());
    hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        SInputBufferStream in(file);
        return stream.Load(in, LoadSaveManager().Get(), session);
    });
    if (FAILED(hr)) return hr;
    session->SetFormatName(typeName);
    session->SetPathName(path);
    return S_OK;
}

void SRptTemplatesManager::RepairIfOlder(const SString& path, ISRptReport* report) {
    // A document of an older version is repaired as it is read; its messages are not shown.
    SString typeName, version;
    if (path.IsEmpty() || FAILED(SRepLoadSaveManager::GetModelInfo(path, &typeName, &version)) || version.IsEmpty())
        return;
    if (_tcsicmp(version.c_str(), SRepLoadSaveManager::sCurrentVersion) >= 0) return;
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(report);
    if (auto* impl = dynamic_cast<SRepObjectBaseImpl*>(SRepObjectMem::FromObject(object.Get()))) {
        STable<SString> messages;
        impl->InternalAutoFix(messages);
    }
}

HRESULT SRptTemplatesManager::LoadTemplate(const SString& path, ISRepSession** session, ISRepObject** root) {
    if (!session || !root) return E_POINTER;
    *session = nullptr;
    *root = nullptr;
    SWaitCursor wait;
    SRptShellModule* shell = Shell();
    const SString url = SFile::PathToURL(path);
    SComWrap<ISRepSession> made;
    if (shell) {
        const HRESULT hr = shell->CreateSession(&made, url, 0, 0);
        if (FAILED(hr)) return hr;
    }
    if (!made) SComThrow(E_POINTER);
    SSessionKeeper keeper(made.Get());
    const uint32_t form = LoadSaveManager()->AcceptDocument(url, nullptr);
    if (form != RPT_TEMPLATE_BIN_FLAGS && form != RPT_TEMPLATE_XML_FLAGS) return E_FAIL;
    HRESULT hr = ReadTemplateFile(path, form, made.Get());
    if (FAILED(hr)) return hr;
    // The report is the first top object that is one.
    SComWrap<ISRepClassCol> model;
    SComCheck(made->GetObjects(&model));
    SComWrap<ISRptReport> report;
    SRepObjIterator objects(model.Get());
    for (SComWrap<ISRptReport> object; !report && objects.Next(object);) report = object;
    if (!report) SComThrow(E_POINTER);
    hr = report->SyncTemplatesWithAvailableItems();
    if (FAILED(hr)) return hr;
    RepairIfOlder(path, report.Get());
    made->SetModified(false);
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(report.Get());
    keeper.Keep();
    *session = made.Detach();
    *root = object.Detach();
    return S_OK;
}

HRESULT SRptTemplatesManager::CreateTemplate(const SString& moduleId, const SString& name, ISRepSession** session,
                                             ISRepObject** report) {
    if (!session || !report) return E_POINTER;
    SRptShellModule* shell = Shell();
    if (!shell) return S_FALSE;
    const HRESULT hr = shell->OnCreateSession(moduleId, name, session, report);
    return FAILED(hr) ? hr : S_OK;
}
