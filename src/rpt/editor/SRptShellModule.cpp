#include "rpt/editor/SRptShellModule.h"

#include <new>
#include <utility>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SFile.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

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

// ---- editor views and template files, to come with their parts ----

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

HRESULT SRptShellModule::ReadTemplateFromFile(const SString&, ISRptTemplate** result, ISRepSession* session) {
    if (result) *result = nullptr;
    return NotYet(result && session);
}

HRESULT SRptShellModule::ReadTemplateFromStream(SInputStream&, ISRptTemplate** result, ISRepSession* session) {
    if (result) *result = nullptr;
    return NotYet(result && session);
}

HRESULT SRptShellModule::ReadTemplatesFromFile(const SString& path, ISRepClassCol* collection, ISRepSession* session) {
    if (!collection || !session) return E_POINTER;
    // A folder holds no templates either.
    if (!SFile::Exists(path) || SFile::IsDirectory(path)) return STG_E_FILENOTFOUND;
    return E_NOTIMPL;
}

HRESULT SRptShellModule::ReadTemplatesFromStream(SInputStream&, ISRepClassCol* collection, ISRepSession* session) {
    return NotYet(collection && session);
}

HRESULT SRptShellModule::WriteTemplateToFile(const SString&, ISRptTemplate* source) {
    return NotYet(source != nullptr);
}

HRESULT SRptShellModule::WriteTemplateToStream(SOutputStream&, ISRptTemplate* source) {
    return NotYet(source != nullptr);
}

HRESULT SRptShellModule::WriteTemplatesToFile(const SString&, ISRepClassCol* collection) {
    return NotYet(collection != nullptr);
}

HRESULT SRptShellModule::WriteTemplatesToStream(SOutputStream&, ISRepClassCol* collection) {
    return NotYet(collection != nullptr);
}
