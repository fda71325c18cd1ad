#include "SDefaultReport.h"

#include "SDataModelModule.h"
#include "SRptHostTemplateFile.h"
#include "platform/base/SFile.h"
#include "platform/repo/SRepClassColPtr.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

// The registered item with an item id among the children of `parent`, or null.
SComWrap<ISRptItem> FindItem(ISRptItem* parent, const char* itemID) {
    SRepClassColPtr items = parent->Items();
    for (int32_t i = 0; items && i < items.GetCount(); ++i) {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(items.Item(i).Get());
        if (item && item->GetItemID() == itemID) return item;
    }
    return SComWrap<ISRptItem>();
}

// Places a copy of the registered item at the end of `parent`'s items; null when refused.
SComWrap<ISRptItem> Place(ISRptTemplate* owner, ISRptItem* registered, ISRptItem* parent) {
    SComWrap<ISRptItem> placed;
    if (registered) owner->AddTemplateItem(registered, parent, -1, &placed);
    return placed;
}

}  // namespace

HRESULT SDefaultReport::Build(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report) {
    SComWrap<ISRptTemplate> owner;
    const HRESULT hr = Create(model, session, report, owner);
    if (hr == S_OK) PlaceDefaultItems(report.Get(), owner.Get());
    return hr;
}

HRESULT SDefaultReport::BuildEmpty(const SDataModel& model, SComWrap<ISRepSession>& session,
                                   SComWrap<ISRptReport>& report) {
    SComWrap<ISRptTemplate> owner;
    return Create(model, session, report, owner);
}

HRESULT SDefaultReport::BuildFromTemplateFile(const SDataModel& model, const SString& path,
                                              SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report) {
    session.Clear();
    report.Clear();
    if (!SFile::Exists(path)) return STG_E_FILENOTFOUND;
    switch (SRptHostTemplateFile::GetForm(path)) {
    case SRptHostTemplateFile::Document: return OpenDocument(path, session, report);
    case SRptHostTemplateFile::Record: return BuildFromRecord(model, path, session, report);
    case SRptHostTemplateFile::TruncatedRecord: return SRptHostTemplateFile::kTruncated;
    default: return SRptHostTemplateFile::kNotATemplate;
    }
}

HRESULT SDefaultReport::OpenDocument(const SString& path, SComWrap<ISRepSession>& session,
                                     SComWrap<ISRptReport>& report) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
    if (!shell) return E_POINTER;
    SComWrap<ISRepObject> root;
    // Templates of modules that are not registered are dropped; none left gives S_FALSE.
    const HRESULT hr = shell->OnOpenSession(path, &session, &root, 0, nullptr);
    if (hr == S_OK) report = root.Get();
    if (hr != S_OK || !report) return Abandon(hr == S_OK ? E_NOINTERFACE : hr, session, report);
    report->ValidateLang();
    return S_OK;
}

HRESULT SDefaultReport::BuildFromRecord(const SDataModel& model, const SString& path, SComWrap<ISRepSession>& session,
                                        SComWrap<ISRptReport>& report) {
    SComWrap<ISRptTemplate> owner;
    HRESULT hr = Create(model, session, report, owner);
    if (hr != S_OK) return hr;
    // The file's template takes the place of the empty one; adding it to the report connects its
    // items to the module's procedures.
    owner.Clear();
    hr = report->DeleteTemplateAtPos(0);
    SComWrap<ISRptTemplate> read;
    if (hr == S_OK) hr = ReadTemplateFromFile(path, &read, session.Get());
    if (hr == S_OK && !read) hr = S_FALSE;
    if (hr == S_OK) hr = report->AddTemplate(read.Get());
    if (hr != S_OK) {
        // A template read but not taken in goes with the session.
        read.Clear();
        return Abandon(hr, session, report);
    }
    return S_OK;
}

HRESULT SDefaultReport::Create(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report,
                               SComWrap<ISRptTemplate>& owner) {
    session.Clear();
    report.Clear();
    owner.Clear();
    SComWrap<ISRepObject> reportObject;
    const SString name = model.name.IsEmpty() ? SString("Data model") : model.name;
    HRESULT hr = RptCreateTemplate(SDataModelModule::kModuleID, name, &session, &reportObject);
    if (FAILED(hr)) return Abandon(hr, session, report);
    report = reportObject.Get();
    if (!report || FAILED(hr = report->GetTemplateAtPos(0, &owner)) || !owner) {
        owner.Clear();
        return Abandon(FAILED(hr) ? hr : E_UNEXPECTED, session, report);
    }

    report->PutHasFirstPage(true);
    report->PutFirstPageTitle(name);
    report->PutFirstPageAuthor(model.author);
    report->PutHasFirstPageAuthor(!model.author.IsEmpty());
    report->PutFirstPageVersion("Version " + model.version);
    report->PutHasFirstPageVersion(!model.version.IsEmpty());
    return S_OK;
}

void SDefaultReport::PlaceDefaultItems(ISRptReport* report, ISRptTemplate* owner) {
    SComWrap<ISRptAvailableItems> available;
    report->GetAvailableItemsOfModule(SDataModelModule::kModuleID, &available);
    SComWrap<ISRptItem> items;
    items = available.Get();
    if (!items) return;
    SComWrap<ISRptItem> self;
    self = owner;
    Place(owner, FindItem(items.Get(), "TBLCTS").Get(), self.Get());
    Place(owner, FindItem(items.Get(), "ENTITYLIST").Get(), self.Get());
    Place(owner, FindItem(items.Get(), "PAGEBREAK").Get(), self.Get());
    const SComWrap<ISRptItem> groupItem = FindItem(items.Get(), "ENTITY");
    const SComWrap<ISRptItem> group = Place(owner, groupItem.Get(), self.Get());
    if (group && groupItem) {
        // The card and the attribute list come with the group when it brings its members;
        // otherwise they are placed in it one by one. A page break ends each entity.
        for (const char* member : {"ENTITYCARD", "ATTRIBUTES"})
            if (!FindItem(group.Get(), member)) Place(owner, FindItem(groupItem.Get(), member).Get(), group.Get());
        Place(owner, FindItem(items.Get(), "PAGEBREAK").Get(), group.Get());
    }
}

HRESULT SDefaultReport::Abandon(HRESULT hr, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report) {
    report.Clear();
    if (session) session->Close();
    session.Clear();
    return hr;
}
