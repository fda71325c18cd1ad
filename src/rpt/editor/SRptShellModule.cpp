#include "rpt/editor/SRptShellModule.h"

#include <algorithm>
#include <new>
#include <string>
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
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "platform/repo/SRepStreamManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
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

HRESULT SRptShellModule::OnInitialize(int32_t) {
    return E_NOTIMPL;
}

HRESULT SRptShellModule::OnAction(uint32_t, IUnknown*, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) {
    return E_NOTIMPL;
}

HRESULT SRptShellModule::OnAction(uint32_t, const char16_t*, uint32_t, SShellView** view, SProgressIndicatorEx*,
                                  IUnknown**) {
    if (view) *view = nullptr;
    return E_NOTIMPL;
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

HRESULT SRptShellModule::GetLoadSaveManager(ISLoadSaveManager** manager) {
    if (!manager) return E_POINTER;
    *manager = nullptr;
    SComWrap<ISLoadSaveManager> answer;
    answer = static_cast<IUnknown*>(m_loadSaveManager.Get());
    *manager = answer.Detach();
    return S_OK;
}

// ---- editor views, to come with their parts ----

namespace {
// The answer of an operation whose part has not come yet, after its arguments were checked.
HRESULT NotYet(bool argumentsGiven) {
    return argumentsGiven ? E_NOTIMPL : E_POINTER;
}
}  // namespace

HRESULT SRptShellModule::CreateViewReportTemplateEditor(ISRptReport* report, SShellView** view) {
    if (view) *view = nullptr;
    return NotYet(report && view);
}

HRESULT SRptShellModule::CreateViewIntraModelReportEditor(ISRptReport* report, SShellView** view,
                                                          ISShellCommandTarget*) {
    if (view) *view = nullptr;
    return NotYet(report && view);
}

HRESULT SRptShellModule::CreateViewMultiModelReportEditor(ISRptReport* report, SShellView** view,
                                                          ISShellCommandTarget*) {
    if (view) *view = nullptr;
    return NotYet(report && view);
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

// Reads up to `count` bytes; a stream that fails gives what it gave before.
size_t ReadSome(SInputStream& in, void* buffer, size_t count) {
    size_t got = 0;
    SExceptionResult::Guard([&] {
        got = in.Read(buffer, count);
        return S_OK;
    });
    return got;
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
    const size_t got = ReadSome(stream, header, sizeof header);
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
    if (ReadSome(stream, word, sizeof word) != sizeof word) return E_IOFAILURE;
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
