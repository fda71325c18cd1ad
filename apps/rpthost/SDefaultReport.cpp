#include "SDefaultReport.h"

#include "SDataModelModule.h"
#include "platform/repo/SRepClassColPtr.h"
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
    session.Clear();
    report.Clear();
    SComWrap<ISRepObject> reportObject;
    const SString name = model.name.IsEmpty() ? SString("Data model") : model.name;
    HRESULT hr = RptCreateTemplate(SDataModelModule::kModuleID, name, &session, &reportObject);
    if (FAILED(hr)) return hr;
    report = reportObject.Get();
    SComWrap<ISRptTemplate> owner;
    if (!report || FAILED(hr = report->GetTemplateAtPos(0, &owner)) || !owner) {
        if (session) session->Close();
        session.Clear();
        report.Clear();
        return FAILED(hr) ? hr : E_UNEXPECTED;
    }

    report->PutHasFirstPage(true);
    report->PutFirstPageTitle(name);
    report->PutFirstPageAuthor(model.author);
    report->PutHasFirstPageAuthor(!model.author.IsEmpty());
    report->PutFirstPageVersion("Version " + model.version);
    report->PutHasFirstPageVersion(!model.version.IsEmpty());

    SComWrap<ISRptAvailableItems> available;
    report->GetAvailableItemsOfModule(SDataModelModule::kModuleID, &available);
    SComWrap<ISRptItem> items;
    items = available.Get();
    if (!items) return S_OK;
    SComWrap<ISRptItem> self;
    self = owner.Get();
    Place(owner.Get(), FindItem(items.Get(), "TBLCTS").Get(), self.Get());
    Place(owner.Get(), FindItem(items.Get(), "ENTITYLIST").Get(), self.Get());
    Place(owner.Get(), FindItem(items.Get(), "PAGEBREAK").Get(), self.Get());
    const SComWrap<ISRptItem> groupItem = FindItem(items.Get(), "ENTITY");
    const SComWrap<ISRptItem> group = Place(owner.Get(), groupItem.Get(), self.Get());
    if (group && groupItem) {
        // The card and the attribute list come with the group when it brings its members;
        // otherwise they are placed in it one by one. A page break ends each entity.
        for (const char* member : {"ENTITYCARD", "ATTRIBUTES"})
            if (!FindItem(group.Get(), member)) Place(owner.Get(), FindItem(groupItem.Get(), member).Get(), group.Get());
        Place(owner.Get(), FindItem(items.Get(), "PAGEBREAK").Get(), group.Get());
    }
    return S_OK;
}
