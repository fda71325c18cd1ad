#include "rpt/editor/SRptShellModule.h"

#include <algorithm>
#include <new>
#include <string>
#include <initializer_list>
#include <vector>
#include <utility>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputBufferStream.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SOutputBufferStream.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SUtf8.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SModuleState.h"
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComCheck.h"
#include "platform/host/SShellViewClass.h"
#include "platform/repo/SRepLoadSaveManager.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/ui/SHelp.h"
#include "platform/ui/SLibMsgBox.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "platform/repo/SRepStreamManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptTypeDlg.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/editor/SRptShellViewIntraModelReport.h"
#include "rpt/editor/SRptShellViewMultiModelReport.h"
#include "rpt/editor/SRptShellViewTemplate.h"
#include "rpt/editor/SRptSpecificMenuCmdClass.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

SRptShellViewClassTemplate* gTemplateViewClass = nullptr;
SRptShellViewClassReport* gReportViewClass = nullptr;
SRptShellViewClassPreview* gPreviewViewClass = nullptr;

template <class T>
T* Make() {
    T* made = new (std::nothrow) T();
    if (!made) throw SEOutOfMemory();
    return made;
}

template <class V>
void Drop(V*& viewClass) {
    if (viewClass) std::exchange(viewClass, nullptr)->Release();
}

void DropViewClasses() {
    Drop(gTemplateViewClass);
    Drop(gReportViewClass);
    Drop(gPreviewViewClass);
}

// Takes the kinds of views out of the module's list, those that are in it.
void LeaveViewClasses(SShellModule& module) {
    for (SShellViewClass* viewClass : std::initializer_list<SShellViewClass*>{gTemplateViewClass, gReportViewClass,
                                                                               gPreviewViewClass})
        if (viewClass) module.RemoveViewClass(viewClass);
}

// The library's help file and the help contexts it serves.
constexpr uint32_t IDS_RPT_HELP_FILE = 5020;
constexpr uint32_t kFirstHelpContext = 10000;
constexpr uint32_t kLastHelpContext = 10999;
// The warning for a template of a module that is not registered, and the error of a template
// file that cannot be opened.
constexpr uint32_t IDS_RPT_UNEXPECTED_MODEL_TYPE = 5507;
constexpr uint32_t IDS_RPT_CANNOT_OPEN_TEMPLATE = 5508;

// A text of the library's strings, with the library made current.
SString LoadLibraryText(uint32_t id, const char* defaultText) {
    SModuleStateGuard library(SRptGetModuleState());
    SString text;
    text.LoadString(id, defaultText);
    return text;
}

// Closes a new session on every way out but the one that hands it over.
class SCloseUnlessKept {
public:
    explicit SCloseUnlessKept(ISRepSession* session) : m_session(session) {}
    ~SCloseUnlessKept() {
        if (m_session) m_session->Close();
    }
    SCloseUnlessKept(const SCloseUnlessKept&) = delete;
    SCloseUnlessKept& operator=(const SCloseUnlessKept&) = delete;
    void Keep() { m_session = nullptr; }

private:
    ISRepSession* m_session;
};

}  // namespace

SRptShellModule::SRptShellModule() : SRepShellModule(LIBID_SRptTypeLibrary) {
    try {
        DropViewClasses();
        gTemplateViewClass = Make<SRptShellViewClassTemplate>();
        gReportViewClass = Make<SRptShellViewClassReport>();
        gPreviewViewClass = Make<SRptShellViewClassPreview>();
        m_loadSaveManager.Reset(Make<SRptTemplateLoadSaveManager>());
    } catch (...) {
        DropViewClasses();
        throw;
    }
}

SRptShellModule::~SRptShellModule() {
    LeaveViewClasses(*this);
    DropViewClasses();
    m_loadSaveManager.Clear();
}

SRptShellViewClassTemplate* SRptShellModule::GetTemplateViewClass() {
    return gTemplateViewClass;
}

SRptShellViewClassReport* SRptShellModule::GetReportViewClass() {
    return gReportViewClass;
}

SRptShellViewClassPreview* SRptShellModule::GetPreviewViewClass() {
    return gPreviewViewClass;
}

// ---- the host's initialisation and actions ----

HRESULT SRptShellModule::OnInitialize(int32_t arg) {
    return SExceptionResult::Guard([&] {
        if (!gTemplateViewClass || !gReportViewClass || !gPreviewViewClass) return E_UNEXPECTED;
        const HRESULT hr = EnterViewClasses(arg);
        if (FAILED(hr)) return hr;
        SModuleStateGuard library(SRptGetModuleState());
        SString helpFile;
        helpFile.LoadString(IDS_RPT_HELP_FILE, "varod9.hlp");
        SHelp::RegisterHelpModule(helpFile, kFirstHelpContext, kLastHelpContext);
        // The repository base has nothing of its own to initialise.
        return S_OK;
    });
}

HRESULT SRptShellModule::EnterViewClasses(int32_t arg) {
    const std::initializer_list<SRptShellViewClassBase*> kinds = {gTemplateViewClass, gReportViewClass,
                                                                   gPreviewViewClass};
    for (SRptShellViewClassBase* kind : kinds)
        if (!AddViewClass(kind)) return E_UNEXPECTED;
    // In the order they were entered; the first failure stops the initialisation.
    for (SRptShellViewClassBase* kind : kinds) {
        const HRESULT hr = kind->OnInitialize(arg);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptShellModule::OnAction(uint32_t, IUnknown*, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) {
    return E_NOTIMPL;
}

HRESULT SRptShellModule::OnAction(uint32_t action, const char16_t* path, uint32_t flags, SShellView** view,
                                  SProgressIndicatorEx*, IUnknown** result) {
    if (view) *view = nullptr;
    if (result) *result = nullptr;
    SWaitCursor wait;
    GetActionArgs().SetPath(path);
    return SExceptionResult::Guard([&] { return RunAction(action, flags, view, result); });
}

HRESULT SRptShellModule::RunAction(uint32_t action, uint32_t flags, SShellView** view, IUnknown** result) {
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> report;
    SComWrap<ISRepObject> language;
    HRESULT hr = E_UNEXPECTED;
    if (action == kActionNew)
        hr = NewReportTemplate(session, report, language);
    else if (action == kActionOpen)
        hr = OnOpenSession(GetActionArgs().GetPath(), &session, &report, flags, nullptr);
    else
        return hr;
    // Nobody but this call holds the new document until an editor or the caller takes it.
    SCloseUnlessKept closer(session.Get());
    SComWrap<ISRptReport> typed;
    if (hr == S_OK && report) {
        typed = static_cast<IUnknown*>(report.Get());
        if (typed && action == kActionNew) typed->PutLang(language.Get());
        if (typed && action == kActionOpen) typed->ValidateLang();
    }
    SShellView* made = nullptr;
    if (hr == S_OK && !(flags & kNoEditor)) hr = CreateViewReportTemplateEditor(typed.Get(), &made);
    if (FAILED(hr)) return hr;
    // An editor that the host opened no frame for, handed to nobody, could never be closed: it
    // goes, and the document stays only when the caller holds it.
    if (made && !view && !made->GetViewFrame()) {
        made->CloseView(0);
        made = nullptr;
    }
    if (made || (result && report)) closer.Keep();
    if (result && report) *result = report.Detach();
    if (view) *view = made;
    return hr;
}

HRESULT SRptShellModule::NewReportTemplate(SComWrap<ISRepSession>& session, SComWrap<ISRepObject>& report,
                                           SComWrap<ISRepObject>& language) {
    SModuleStateGuard library(SRptGetModuleState());
    SRptTypeDlg dialog(SRptTypeDlg::IDD, nullptr);
    if (dialog.DoModal() != IDOK) return S_FALSE;
    language.Attach(dialog.GetLanguage());
    return OnCreateSession(dialog.GetType(), dialog.GetName(), &session, &report);
}

HRESULT SRptShellModule::CreateSpecificMenuCmdClass() {
    auto* made = new (std::nothrow) SRptSpecificMenuCmdClass();
    if (!made) throw SEOutOfMemory();
    SetSpecificMenuCmdClass(made);
    return S_OK;
}

// ---- sessions and reports ----

HRESULT SRptShellModule::OnCreateSession(const SString& moduleId, const SString& name, ISRepSession** session,
                                         ISRepObject** report) {
    if (!session || !report) return E_POINTER;
    *session = nullptr;
    *report = nullptr;
    SComWrap<ISRepSession> made;
    HRESULT hr = CreateSession(&made, SString(), 0, 0);
    if (FAILED(hr)) return hr;
    if (!made) return E_POINTER;
    SCloseUnlessKept closer(made.Get());
    SComWrap<ISRepObject> newReport;
    hr = OnCreateReport(moduleId, name, made.Get(), &newReport);
    if (FAILED(hr)) return hr;
    if (!newReport) return S_FALSE;
    hr = SyncSessionReport(made.Get());
    if (FAILED(hr)) return hr;
    made->SetModified(false);
    closer.Keep();
    *session = made.Detach();
    *report = newReport.Detach();
    return S_OK;
}

HRESULT SRptShellModule::OnCreateReport(const SString& moduleId, const SString& name, ISRepSession* model,
                                        ISRepObject** report) {
    if (!report) return E_POINTER;
    *report = nullptr;
    if (!model) return E_POINTER;
    SComWrap<ISRepObject> object;
    HRESULT hr =
        model->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&object), ISRepObject::iid, -1, true);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptReport> newReport;
    newReport = static_cast<IUnknown*>(object.Get());
    SComWrap<ISRptTemplate> newTemplate;
    hr = newReport->AddNewTemplate(moduleId, 1, &newTemplate);
    if (FAILED(hr)) return hr;
    // The names are the repository's own attributes; what they answer is not looked at.
    SRepVariant text;
    text.SetText(name);
    object->SetAttribute(SREP_DISPID_NAME, text);
    object->SetAttribute(SREP_DISPID_CODE, text);
    if (newTemplate) newTemplate->SetAttribute(SREP_DISPID_NAME, text);
    SRepOption::StampCreation(object.Get());
    *report = object.Detach();
    return S_OK;
}

HRESULT SRptShellModule::SyncSessionReport(ISRepSession* session) {
    if (!session) SComThrow(E_POINTER);
    SComWrap<ISRepObject> first;
    SComCheck(session->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&first)));
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(first.Get());
    if (report) report->SyncTemplatesWithAvailableItems();
    return S_OK;
}

HRESULT SRptShellModule::OnOpenSession(const SString& path, ISRepSession** session, ISRepObject** report,
                                       uint32_t flags, SProgressIndicatorEx* progress) {
    if (!session || !report) return E_POINTER;
    *session = nullptr;
    *report = nullptr;
    SComWrap<ISRepSession> opened;
    SComWrap<ISRepObject> root;
    // A file that cannot be read, or holds no report, is the user's to hear of; the new session
    // is closed by then.
    const HRESULT hr = SExceptionResult::Guard([&] { return OpenSession(path, opened, root, flags, progress); });
    if (FAILED(hr)) {
        const SString format =
            LoadLibraryText(IDS_RPT_CANNOT_OPEN_TEMPLATE, "The report template file '%s' cannot be opened.");
        SLibMsgBox(SGetMainWnd(), " - ").Error(SString(SFormatText(format.c_str(), path.c_str())));
    }
    if (hr != S_OK) return hr;
    *session = opened.Detach();
    *report = root.Detach();
    return S_OK;
}

HRESULT SRptShellModule::OpenSession(const SString& path, SComWrap<ISRepSession>& session,
                                     SComWrap<ISRepObject>& report, uint32_t, SProgressIndicatorEx* progress) {
    SComWrap<ISRepSession> made;
    HRESULT hr = CreateSession(&made, SFile::PathToURL(path), 0, 0);
    if (FAILED(hr)) return hr;
    if (!made) return E_POINTER;
    SCloseUnlessKept closer(made.Get());
    SComWrap<ISRepClassCol> model;
    SComCheck(made->GetObjects(&model));
    if (!m_loadSaveManager) SComThrow(E_POINTER);
    hr = m_loadSaveManager->Load(nullptr, path, nullptr, made.Get(), nullptr, progress);
    if (FAILED(hr)) return hr;
    SComWrap<ISRepObject> first;
    made->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&first));
    SComWrap<ISRptReport> typed;
    typed = static_cast<IUnknown*>(first.Get());
    if (!typed) SComThrow(E_POINTER);
    DropUnregisteredTemplates(typed.Get());
    int32_t count = 0;
    typed->GetTemplatesCount(&count);
    if (count == 0) return S_FALSE;
    hr = SyncSessionReport(made.Get());
    if (FAILED(hr)) return hr;
    made->SetModified(false);
    hr = RepairIfOlder(made.Get());
    if (FAILED(hr)) return hr;
    closer.Keep();
    session = made;
    report = first;
    return S_OK;
}

void SRptShellModule::DropUnregisteredTemplates(ISRptReport* report) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    // Without a module list no template can be checked.
    if (!modules) return;
    int32_t count = 0;
    report->GetTemplatesCount(&count);
    for (int32_t position = count - 1; position >= 0; --position) {
        SComWrap<ISRptTemplate> candidate;
        report->GetTemplateAtPos(position, &candidate);
        if (!candidate || modules->Contains(candidate->GetModuleID())) continue;
        const SString format = LoadLibraryText(IDS_RPT_UNEXPECTED_MODEL_TYPE, "Unexpected model type for template \"%s\".");
        SLibMsgBox(SGetMainWnd(), " - ").Warning(SString(SFormatText(format.c_str(), candidate->GetName().c_str())));
        report->DeleteTemplateAtPos(position);
    }
}

HRESULT SRptShellModule::RepairIfOlder(ISRepSession* session) {
    SString path;
    session->GetPathName(&path);
    if (path.IsEmpty()) return S_OK;
    SString typeName;
    SString version;
    if (SRepLoadSaveManager::GetModelInfo(path, &typeName, &version) != S_OK || version.IsEmpty()) return S_OK;
    if (_tcsicmp(version.c_str(), SRepLoadSaveManager::sCurrentVersion) >= 0) return S_OK;
    const HRESULT hr = OnAutoFixOldSession(session, version);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptShellModule::OnAutoFixOldSession(ISRepSession* session, const SString&) {
    if (!session) SComThrow(E_POINTER);
    SComWrap<ISRepObject> first;
    SComCheck(session->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&first)));
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(first.Get());
    if (!report) return S_OK;
    // What the repair says is not shown.
    if (auto* impl = dynamic_cast<SRepObjectBaseImpl*>(SRepObjectMem::FromObject(first.Get()))) {
        STable<SString> messages;
        impl->InternalAutoFix(messages);
    }
    return S_OK;
}

HRESULT SRptShellModule::GetLoadSaveManager(ISLoadSaveManager** manager) {
    if (!manager) return E_POINTER;
    *manager = nullptr;
    SComWrap<ISLoadSaveManager> answer;
    answer = static_cast<IUnknown*>(m_loadSaveManager.Get());
    *manager = answer.Detach();
    return S_OK;
}

// ---- editor views ----

namespace {
// The host's frame of an editor: a view frame that never docks (flags 4); the side word is the
// host's and goes as it is.
constexpr uint32_t kEditorFrameFlags = 4;
constexpr int32_t kEditorFrameSide = 0x10;

// Where a made view goes: a view that cannot be allocated is the process's lack of memory.
template <class View, class... Args>
View* NewView(Args&&... args) {
    auto* view = new (std::nothrow) View(std::forward<Args>(args)...);
    if (!view) throw SEOutOfMemory();
    return view;
}

// Opens the view's frame in the host under `caption`; once it is open the view hears of the
// report's changes and the frame gets its title. A host that opens no frame leaves the view
// without either.
void OpenEditorFrame(SRptShellViewBase* view, const char* caption) {
    view->CreateFrame(caption, kEditorFrameFlags, kEditorFrameSide, 0);
    if (!view->GetViewFrame()) return;
    view->AdviseReport();
    view->UpdateTitle();
}

SComWrap<ISRepSession> SessionOf(ISRptReport* report) {
    SComWrap<ISRepSession> session;
    static_cast<ISRepObject*>(report)->GetSession(&session);
    return session;
}

// A report editor of either kind, which keeps the creator's command target.
template <class View>
HRESULT CreateReportEditor(SRptShellModule* module, ISRptReport* report, SShellView** view,
                           ISShellCommandTarget* target, const char* caption) {
    if (!report) return E_INVALIDARG;
    if (!view) return E_POINTER;
    SComWrap<ISRepSession> session = SessionOf(report);
    auto* made = NewView<View>(module, SRptShellModule::GetReportViewClass(), report, session.Get(), target);
    OpenEditorFrame(made, caption);
    *view = made;
    return S_OK;
}
}  // namespace

HRESULT SRptShellModule::CreateViewReportTemplateEditor(ISRptReport* report, SShellView** view) {
    if (!report) return E_INVALIDARG;
    SComWrap<ISRepSession> session = SessionOf(report);
    auto* made = NewView<SRptShellViewTemplate>(this, GetTemplateViewClass(), report, session.Get());
    OpenEditorFrame(made, "Report Template");
    if (view) *view = made;
    return S_OK;
}

HRESULT SRptShellModule::CreateViewIntraModelReportEditor(ISRptReport* report, SShellView** view,
                                                          ISShellCommandTarget* target) {
    return CreateReportEditor<SRptShellViewIntraModelReport>(this, report, view, target, "Report");
}

HRESULT SRptShellModule::CreateViewMultiModelReportEditor(ISRptReport* report, SShellView** view,
                                                          ISShellCommandTarget* target) {
    return CreateReportEditor<SRptShellViewMultiModelReport>(this, report, view, target, "Multi-Model Report Editor");
}

// ---- templates on streams and files ----

namespace {

// The header ahead of each template on a stream: "RTP" and a zero byte, a reserved word, the
// template's module id as 32 UTF-16 units (at most 31 of them text, the rest zero), a reserved
// word; little-endian, 76 bytes.
constexpr uint32_t kTemplateMagic = 0x00505452;
constexpr size_t kHeaderSize = 76;
constexpr size_t kModuleIdOffset = 8;
constexpr size_t kModuleIdUnits = 32;
constexpr size_t kFileBufferSize = 0x2000;

void PutWord(uint8_t* at, uint32_t word) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>((word >> (8 * i)) & 0xFF);
}

std::string MakeTemplateHeader(const SString& moduleId) {
    uint8_t header[kHeaderSize] = {};
    PutWord(header, kTemplateMagic);
    std::u16string units = SUtf8::ToU16(moduleId.str());
    size_t count = std::min(units.size(), kModuleIdUnits - 1);
    // A character in two units is kept whole or not at all.
    if (count > 0 && count < units.size() && units[count - 1] >= 0xD800 && units[count - 1] <= 0xDBFF) --count;
    for (size_t i = 0; i < count; ++i) {
        header[kModuleIdOffset + 2 * i] = static_cast<uint8_t>(units[i] & 0xFF);
        header[kModuleIdOffset + 2 * i + 1] = static_cast<uint8_t>(units[i] >> 8);
    }
    return std::string(reinterpret_cast<const char*>(header), kHeaderSize);
}

SString ModuleIdOfHeader(const uint8_t* header) {
    std::u16string units;
    for (size_t i = 0; i < kModuleIdUnits; ++i) {
        const char16_t unit = static_cast<char16_t>(header[kModuleIdOffset + 2 * i] |
                                                    (header[kModuleIdOffset + 2 * i + 1] << 8));
        if (unit == 0) break;
        units.push_back(unit);
    }
    return SString(SUtf8::FromU16(units));
}

// One template as it goes on a stream: its header, then its object record.
HRESULT AppendTemplateRecord(std::string& bytes, ISRptTemplate* source) {
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(source);
    if (!object) return E_NOINTERFACE;
    SOutputStringStream record;
    const HRESULT hr = SRepStreamManager::Save(record, object.Get(), SRepStreamManager::kSaveDeep);
    if (FAILED(hr)) return hr;
    bytes += MakeTemplateHeader(source->GetModuleID());
    bytes += record.GetString().str();
    return S_OK;
}

// Reads up to `count` bytes into `buffer` and their number into `got`; a stream that fails
// answers with its failure's code (an input/output failure 0x80030019), which is the read's
// answer: a record cut short by a failing stream is no refused record.
HRESULT ReadSome(SInputStream& in, void* buffer, size_t count, size_t& got) {
    got = 0;
    return SExceptionResult::Guard([&] {
        got = in.Read(buffer, count);
        return S_OK;
    });
}

// Writes what was put together at once: the first failure of the stream is the answer.
HRESULT WriteAll(SOutputStream& out, const std::string& bytes) {
    return SExceptionResult::Guard([&] {
        out.Write(bytes.data(), bytes.size());
        return S_OK;
    });
}

// Writes to a file through a buffer: the file takes the target's place only when the writer
// succeeded and everything reached it; otherwise the previous file stays as it was.
template <class Writer>
HRESULT WriteFile(const SString& path, Writer&& writer) {
    return SExceptionResult::Guard([&] {
        SOutputFile file(path, 1);
        SOutputBufferStream buffer(file, kFileBufferSize);
        const HRESULT hr = writer(buffer);
        if (FAILED(hr)) return hr;
        buffer.Close();
        file.Close();
        return hr;
    });
}

// Reads from a file through a buffer, once the file is known to be there.
template <class Reader>
HRESULT ReadFile(const SString& path, Reader&& reader) {
    SWaitCursor wait;
    // A folder holds no templates either.
    if (!SFile::Exists(path) || SFile::IsDirectory(path)) return STG_E_FILENOTFOUND;
    return SExceptionResult::Guard([&] {
        SInputFile file(path);
        SInputBufferStream buffer(file, kFileBufferSize);
        return reader(buffer);
    });
}

}  // namespace

HRESULT SRptShellModule::ReadTemplateFromStream(SInputStream& stream, ISRptTemplate** result, ISRepSession* session) {
    if (!result || !session) return E_POINTER;
    uint8_t header[kHeaderSize] = {};
    size_t got = 0;
    const HRESULT readHeader = ReadSome(stream, header, sizeof header, got);
    if (FAILED(readHeader)) return readHeader;
    const uint32_t magic = static_cast<uint32_t>(header[0]) | (static_cast<uint32_t>(header[1]) << 8) |
                           (static_cast<uint32_t>(header[2]) << 16) | (static_cast<uint32_t>(header[3]) << 24);
    if (got != kHeaderSize || magic != kTemplateMagic) return S_FALSE;
    // A template of a module that is not registered is refused before its contents are read.
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    if (modules && !modules->Contains(ModuleIdOfHeader(header))) return S_FALSE;
    SComWrap<ISRepObject> object;
    const HRESULT hr = SRepStreamManager::Load(stream, &object, session);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptTemplate> read;
    read = static_cast<IUnknown*>(object.Get());
    if (!read) {
        // Whatever else the record held goes again.
        if (object) object->Delete();
        return S_FALSE;
    }
    *result = read.Detach();
    return S_OK;
}

HRESULT SRptShellModule::ReadTemplateFromFile(const SString& path, ISRptTemplate** result, ISRepSession* session) {
    if (result) *result = nullptr;
    if (!result || !session) return E_POINTER;
    return ReadFile(path, [&](SInputStream& in) { return ReadTemplateFromStream(in, result, session); });
}

HRESULT SRptShellModule::ReadTemplatesFromStream(SInputStream& stream, ISRepClassCol* collection,
                                                 ISRepSession* session) {
    if (!collection || !session) return E_POINTER;
    uint8_t word[4] = {};
    size_t got = 0;
    const HRESULT readCount = ReadSome(stream, word, sizeof word, got);
    if (FAILED(readCount)) return readCount;
    if (got != sizeof word) return E_IOFAILURE;
    const int32_t count = static_cast<int32_t>(static_cast<uint32_t>(word[0]) | (static_cast<uint32_t>(word[1]) << 8) |
                                               (static_cast<uint32_t>(word[2]) << 16) |
                                               (static_cast<uint32_t>(word[3]) << 24));
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRptTemplate> read;
        const HRESULT hr = ReadTemplateFromStream(stream, &read, session);
        if (FAILED(hr)) return hr;
        // A refused record has no length to step over it by: what follows it cannot be read, and
        // what was read before it stays.
        if (hr != S_OK || !read) return S_FALSE;
        SComWrap<ISRepObject> object;
        object = static_cast<IUnknown*>(read.Get());
        SComCheck(collection->Insert(-1, object.Get()));
    }
    return S_OK;
}

HRESULT SRptShellModule::ReadTemplatesFromFile(const SString& path, ISRepClassCol* collection, ISRepSession* session) {
    if (!collection || !session) return E_POINTER;
    return ReadFile(path, [&](SInputStream& in) { return ReadTemplatesFromStream(in, collection, session); });
}

HRESULT SRptShellModule::WriteTemplateToStream(SOutputStream& stream, ISRptTemplate* source) {
    if (!source) return S_FALSE;
    std::string bytes;
    const HRESULT hr = AppendTemplateRecord(bytes, source);
    if (FAILED(hr)) return hr;
    return WriteAll(stream, bytes);
}

HRESULT SRptShellModule::WriteTemplateToFile(const SString& path, ISRptTemplate* source) {
    if (!source) return S_FALSE;
    return WriteFile(path, [&](SOutputStream& out) { return WriteTemplateToStream(out, source); });
}

HRESULT SRptShellModule::WriteTemplatesToStream(SOutputStream& stream, ISRepClassCol* collection) {
    if (!collection) return E_INVALIDARG;
    int32_t count = 0;
    HRESULT hr = collection->GetCount(&count);
    if (FAILED(hr)) return hr;
    std::vector<SComWrap<ISRptTemplate>> templates;
    SRepObjIterator iterator(collection);
    for (SComWrap<ISRptTemplate> element; iterator.Next(element);) {
        // A collection that holds something else is refused before anything is written.
        if (!element) return E_INVALIDARG;
        templates.push_back(element);
    }
    std::string bytes(4, '\0');
    PutWord(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(templates.size()));
    for (const auto& element : templates) {
        hr = AppendTemplateRecord(bytes, element.Get());
        if (FAILED(hr)) return hr;
    }
    return WriteAll(stream, bytes);
}

HRESULT SRptShellModule::WriteTemplatesToFile(const SString& path, ISRepClassCol* collection) {
    if (!collection) return E_INVALIDARG;
    return WriteFile(path, [&](SOutputStream& out) { return WriteTemplatesToStream(out, collection); });
}
