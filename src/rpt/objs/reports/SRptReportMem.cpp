#include "rpt/objs/reports/SRptReportMem.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepOption.h"
#include "platform/repo/SRepSessionExtern.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptApi.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptParaFormat.h"

namespace {

// The first registered module's client, which answers the report's questions to the host.
ISRptModuleClient* FirstModuleClient() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetFirstModuleClient() : nullptr;
}

// What a text the host was to give reads when no module client is there to give it.
SString NoClientText() {
    SString text;
    text.Format("%ld", E_FAIL);
    return text;
}

// What the repair of an old template gives the cell paragraphs of a table: a box of all four
// sides with fixed line widths.
constexpr int16_t kRepairedTableBorder =
    RPT_PARA_BORDER_LEFT | RPT_PARA_BORDER_TOP | RPT_PARA_BORDER_RIGHT | RPT_PARA_BORDER_BOTTOM;
constexpr int16_t kRepairedTableLineWidth = 18;
// The table paragraphs of the title cells and of the other cells.
constexpr int32_t kTableCellParas[] = {1, 2};

// The items of another module that the repair of an item deletes: kept in pointer order, each
// once, each with a reference, until the walk over the children is over.
class SDeletionSet {
public:
    void Add(ISRepObject* object) {
        const auto place = std::lower_bound(m_objects.begin(), m_objects.end(), object,
                                            [](const SComWrap<ISRepObject>& entry, ISRepObject* p) {
                                                return std::less<ISRepObject*>()(entry.Get(), p);
                                            });
        if (place != m_objects.end() && place->Get() == object) return;
        m_objects.insert(place, SComWrap<ISRepObject>(object));
    }
    void DeleteAll() {
        for (const SComWrap<ISRepObject>& object : m_objects) object->Delete();
        m_objects.clear();
    }

private:
    std::vector<SComWrap<ISRepObject>> m_objects;
};

// Has the registered module of the id set its items up: they are set up on their first use, and
// until then the module item table knows none of them.
void SetUpModuleItems(const SString& moduleId) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    if (!modules || !modules->Contains(moduleId)) return;
    SComWrap<ISRptAvailableItems> own;
    modules->GetAvailableItems(moduleId, &own);
}

// The title path under which the host gives a report's extended titles.
constexpr const char* kExTitlePath = "\\Report Titles\\General";

// The element at a position of one of the report's collections, as the interface I, with the
// caller's reference; the collection's answer (S_FALSE outside) and null when there is none.
template <class I>
HRESULT SRptItemAtPos(const SRepClassColPtr& collection, int32_t nPos, I** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    SComWrap<ISRepObject> object;
    const HRESULT hr = collection->Item(nPos, &object);
    if (hr != S_OK) return hr;
    SComWrap<I> found;
    found = static_cast<IUnknown*>(object.Get());
    *out = found.Detach();
    return S_OK;
}

}  // namespace

// ---- attribute protocol and extension collections ----

HRESULT SRptReportMem::SetAttribute(int32_t id, const SRepVariant& value) {
    if (id != RPTREPORT_LANG) return SRptParaContainerImpl::SetAttribute(id, value);
    return SExceptionResult::Guard([&]() -> HRESULT {
        SComWrap<ISRptReport> report;
        report = static_cast<IUnknown*>(static_cast<ISRepObject*>(this));
        if (!report) SComThrow(E_POINTER);
        return report->PutLang(value.GetIOBJECT());
    });
}

std::map<int32_t, GUID>& SRptReportMem::ExtensionCollections() {
    static std::map<int32_t, GUID> kinds;
    return kinds;
}

HRESULT SRptReportMem::AddCollection(int32_t collectionId, int32_t memberId, const GUID& clsid) {
    if (ExtensionCollectionsSealed()) return S_FALSE;
    if (collectionId != RPTREPORT_EXTSESS) return E_FAIL;
    auto [entry, added] = ExtensionCollections().emplace(memberId, clsid);
    if (added) return S_OK;
    return entry->second == clsid ? S_OK : S_FALSE;
}

bool& SRptReportMem::ExtensionCollectionsSealed() {
    static bool sealed = false;
    return sealed;
}

bool SRptReportMem::FindExtensionCollection(int32_t memberId, GUID* clsid) {
    const auto found = ExtensionCollections().find(memberId);
    if (found == ExtensionCollections().end()) return false;
    if (clsid) *clsid = found->second;
    return true;
}

// ---- computed attributes ----

HRESULT SRptReportImpl::PutDispName(const SString& value) {
    return Set_CHAR(SREP_DISPID_NAME, value, m_name);
}

SComWrap<ISRepObject> SRptReportImpl::GetLang() {
    SComWrap<ISRepObject> language;
    static_cast<ISRepObject*>(this)->GetObjectA(RPTREPORT_LANGUAGE, &language);
    return language;
}

HRESULT SRptReportImpl::PutLang(ISRepObject* pLanguage) {
    // The language already bound keeps its session reference where it stands, and no one is told.
    if (GetLang().IsEqualObject(pLanguage)) return S_FALSE;
    const HRESULT hr = BindLanguage(pLanguage);
    if (SUCCEEDED(hr) && hr != S_FALSE) PostSetAttribute(RPTREPORT_LANG);
    return hr;
}

HRESULT SRptReportImpl::BindLanguage(ISRepObject* pLanguage) {
    ISRepObject* self = static_cast<ISRepObject*>(this);
    // Clearing the language leaves the language sessions as they are.
    if (!pLanguage) return self->SetObject(RPTREPORT_LANGUAGE, nullptr);
    SComWrap<ISRepClassCol> langSessions;
    SComWrap<ISRepClassCol> targetModels;
    SComWrap<ISRepSession> session;
    SComWrap<ISRepSession> languageSession;
    if (FAILED(self->GetCollection(RPTREPORT_LANGEXSESS, &langSessions)) || !langSessions) return E_FAIL;
    const int32_t previous = SRepClassColPtr(langSessions.Get()).GetCount();
    GetSession(&session);
    pLanguage->GetSession(&languageSession);
    // A language that lives in no session cannot be referred to by its session.
    if (!session || !languageSession) return E_FAIL;
    if (FAILED(self->GetCollection(RPTREPORT_EXTSESS, &targetModels)) || !targetModels) return E_FAIL;

    SComWrap<ISRepSessionExtern> reference = FindSessionReference(targetModels.Get(), languageSession.Get());
    SRepClassColPtr languageSessions(langSessions.Get());
    if (!reference) {
        HRESULT hr = NewSessionReference(session.Get(), languageSession.Get(), reference);
        if (FAILED(hr)) return hr;
        for (int32_t i = 0; i < previous; ++i) languageSessions.Remove(0);
        languageSessions.Insert(-1, reference.Get());
    } else {
        // Everything before the language's reference goes, so that it stands first.
        bool present = false;
        for (int32_t i = 0; i < previous && !present; ++i) {
            if (languageSessions.Item(0).IsEqualObject(reference.Get()))
                present = true;
            else
                languageSessions.Remove(0);
        }
        if (!present) languageSessions.Insert(-1, reference.Get());
    }
    return self->SetObject(RPTREPORT_LANGUAGE, pLanguage);
}

SComWrap<ISRepSessionExtern> SRptReportImpl::FindSessionReference(ISRepClassCol* references, ISRepSession* target) {
    SRepObjIterator entries(references);
    SComWrap<ISRepSessionExtern> entry;
    while (entries.Next(entry)) {
        if (!entry) SComThrow(E_POINTER);
        SComWrap<ISRepSession> referenced;
        SComCheck(entry->GetExternSession(&referenced));
        if (referenced.IsEqualObject(target)) return entry;
    }
    return {};
}

HRESULT SRptReportImpl::NewSessionReference(ISRepSession* session, ISRepSession* target,
                                            SComWrap<ISRepSessionExtern>& reference) {
    session->CreateObject(CLSID_SRepSessionExtern, reinterpret_cast<void**>(&reference), ISRepSessionExtern::iid);
    if (!reference) return E_OUTOFMEMORY;
    SComWrap<ISRepObject, &IID_ISRepObjectBase> stamped;
    stamped = static_cast<IUnknown*>(static_cast<ISRepObject*>(reference.Get()));
    if (stamped) SRepOption::StampCreation(stamped.Get());
    SComCheck(reference->SetExternSession(target));
    return S_OK;
}

SString SRptReportImpl::GetLangName() {
    ISRptModuleClient* client = FirstModuleClient();
    if (!client) return NoClientText();
    SString name;
    client->GetReportLangName(name, this);
    return name;
}

HRESULT SRptReportImpl::ValidateLang() {
    ISRptModuleClient* client = FirstModuleClient();
    if (!client) return E_FAIL;
    return client->ValidateReportLang(this);
}

SString SRptReportImpl::GetTitleFromPath(SString sTitlePath) {
    ISRptModuleClient* client = FirstModuleClient();
    if (!client) return NoClientText();
    SString title;
    client->GetReportTitleText(title, this, sTitlePath);
    return title;
}

SString SRptReportImpl::GetExTitle(uint32_t nItemType) {
    SString suffix;
    SString defaultText;
    switch (nItemType) {
        case 0:
            suffix = "\\TOC";
            defaultText = SRptLoadString(IDS_RPT_TBLCTS_LABEL, "Table of contents");
            break;
        case 1:
            suffix = "\\Header";
            defaultText = "%MODULE%\t%MODELNAME%";
            break;
        case 2:
            suffix = "\\Footer";
            defaultText = SRptLoadString(IDS_RPT_APPLICATION_NAME) + "\t%DATE%" + "\tPage %PAGE%";
            break;
        default: break;
    }
    if (!GetLang()) return defaultText;
    return GetTitleFromPath(SString(kExTitlePath) + suffix);
}

// ---- fonts ----

HRESULT SRptReportImpl::ChangeFonts(ISRptParaContainer* pParentItem) {
    if (!pParentItem) return E_POINTER;
    SRepObjIterator paragraphs(pParentItem, RPTPARACONTAINER_PARAGRAPHS);
    SComWrap<ISRptPara> para;
    while (paragraphs.Next(para)) {
        if (!para) continue;
        // A paragraph of no report font kind has no default font to take.
        const int32_t kind = para->GetParaFontID();
        if (!SRptFont::IsFontKind(kind)) continue;
        para->PutFontName(SRptFont::GetDefaultFontName(kind));
        para->PutFontHeight(SRptFont::GetDefaultFontHeight(kind));
        para->PutFontStyle(static_cast<int16_t>(SRptFont::GetDefaultFontStyle(kind)));
    }
    SComWrap<ISRptItem> item;
    item = static_cast<IUnknown*>(pParentItem);
    if (!item) return S_OK;
    SRepObjIterator children(item.Get(), RPTITEM_ITEMS);
    SComWrap<ISRptParaContainer> child;
    while (children.Next(child))
        if (child) ChangeFonts(child.Get());
    return S_OK;
}

HRESULT SRptReportImpl::ChangeAllFonts(int32_t) {
    ChangeFonts(this);
    for (const int32_t id : {RPTREPORT_AVAILABLES, RPTREPORT_TEMPLATES}) {
        SRepObjIterator containers(static_cast<ISRepObject*>(this), id);
        SComWrap<ISRptParaContainer> container;
        while (containers.Next(container))
            if (container) ChangeFonts(container.Get());
    }
    return S_OK;
}

// ---- repair of old templates ----

HRESULT SRptReportImpl::InternalAutoFix(STable<SString>&) {
    SRepObjIterator templates(static_cast<ISRepObject*>(this), RPTREPORT_TEMPLATES);
    SComWrap<ISRptTemplate> each;
    while (templates.Next(each)) {
        if (!each) continue;
        const HRESULT hr = InternalAutoFixTemplate(each.Get());
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptReportImpl::InternalAutoFixTemplate(ISRptItem* pItem) {
    if (!pItem) return E_INVALIDARG;
    SComWrap<ISRptTable> table;
    table = static_cast<IUnknown*>(pItem);
    if (table) RepairTable(table.Get());

    const SString moduleId = pItem->GetModuleID();
    SDeletionSet others;
    SRepObjIterator children(pItem, RPTITEM_ITEMS);
    SComWrap<ISRptItem> child;
    while (children.Next(child)) {
        if (!child) continue;
        if (_mbscmp(child->GetModuleID().c_str(), moduleId.c_str()) != 0) {
            // Deleted once the walk is over, so that it never sees its collection change.
            others.Add(child.Get());
            continue;
        }
        const HRESULT hr = InternalAutoFixTemplate(child.Get());
        if (FAILED(hr)) return hr;
    }
    others.DeleteAll();
    return S_OK;
}

void SRptReportImpl::RepairTable(ISRptTable* table) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    const SRptGlobalsContainer::ConversionMap* conversions = globals ? globals->GetConversionTableCellIDMap() : nullptr;
    bool hasRows = false;
    SRepObjIterator rows(table, RPTTABLE_ROWS);
    SComWrap<ISRptTableRow> row;
    while (rows.Next(row)) {
        hasRows = true;
        if (!row || !conversions) continue;
        SRepObjIterator cells(row.Get(), RPTTABLEROW_CELLS);
        SComWrap<ISRptTableCell> cell;
        int32_t current = 0;
        while (cells.Next(cell))
            if (cell && conversions->Lookup(cell->GetCellID(), current)) cell->PutCellID(current);
    }
    // Every row gives the cell paragraphs the same box: a table without rows keeps its own.
    if (!hasRows) return;
    for (const int32_t position : kTableCellParas) {
        SComWrap<ISRptPara> para;
        table->GetParaAtPos(position, &para);
        if (!para) continue;
        para->PutBorder(kRepairedTableBorder);
        if (para->GetBorderWidth() != kRepairedTableLineWidth) para->PutBorderWidth(kRepairedTableLineWidth);
        if (para->GetBoxWidth() != kRepairedTableLineWidth) para->PutBoxWidth(kRepairedTableLineWidth);
    }
}

// ---- construction, initialisation and paragraphs ----

HRESULT SRptReportImpl::FinalConstruct() {
    const HRESULT hr = SRptReportMem::FinalConstruct();
    if (FAILED(hr)) return hr;
    // Once per class: from the second report on, both answer S_FALSE.
    AddCollection(RPTREPORT_EXTSESS, RPTREPORT_NOTSAVEDSESS, CLSID_SRepSessionExtern);
    AddCollection(RPTREPORT_EXTSESS, RPTREPORT_LANGEXSESS, GUID_NULL);
    ExtensionCollectionsSealed() = true;
    return hr;
}

HRESULT SRptReportImpl::OnInitialize(ISRepObject* parent) {
    const HRESULT hr = ConstructPara();
    if (FAILED(hr)) return hr;
    PutFirstPageTitle(SRptLoadString(IDS_RPT_REPORT_TITLE, "Report"));
    return SRptReportMem::OnInitialize(parent);
}

HRESULT SRptReportImpl::ConstructPara() {
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptParaTitle, 0);
    if (FAILED(hr)) return hr;
    hr = SRptCreateParagraph(this, CLSID_SRptParaItem, 1);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::SetupParagraphs() {
    HRESULT hr = SRptSetupStockParagraph(this, 0, SRptFont::RPT_FONT_REPORT_TITLE);
    if (FAILED(hr)) return hr;
    hr = SRptSetupStockParagraph(this, 1, SRptFont::RPT_FONT_REPORT_OPTIONAL_FIELD);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptPara> title;
    SComWrap<ISRptPara> fields;
    GetParaAtPos(0, &title);
    GetParaAtPos(1, &fields);
    title->PutBorder(RPT_REPORT_TITLE_BORDER);
    title->PutAlignment(RPT_REPORT_PARA_ALIGNMENT);
    fields->PutAlignment(RPT_REPORT_PARA_ALIGNMENT);
    return S_OK;
}

SString SRptReportImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    if (position == 0) return SRptLoadString(IDS_RPT_REPORT_TITLE_PARA, "Report Title");
    if (position == 1) return SRptLoadString(IDS_RPT_OPTIONAL_FIELDS_PARA, "Optional Fields");
    return SRptReportMem::GetParaName(pPara);
}

int32_t SRptReportImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    switch (position) {
        case 0: return SRptFont::RPT_FONT_REPORT_TITLE;
        case 1: return SRptFont::RPT_FONT_REPORT_OPTIONAL_FIELD;
        default: return -1;
    }
}

HRESULT SRptReportImpl::OnCollectionInsert(int32_t id, ISRepObject* object, int32_t position) {
    if (id == RPTREPORT_TEMPLATES && g_IsCascadeAllowed) {
        SComWrap<ISRptTemplate> inserted;
        inserted = static_cast<IUnknown*>(object);
        // What the template finds of its module, failures included, leaves the insertion as it is.
        if (inserted) SExceptionResult::Guard([&] { return SyncTemplateWithAvailableItems(inserted.Get()); });
    }
    return SRptReportMem::OnCollectionInsert(id, object, position);
}

HRESULT SRptReportImpl::OnUpdateAttribute(int32_t id) {
    // Those who show the report by its display name hear of a new Name too.
    if (id == SREP_DISPID_NAME) OnUpdateAttribute(SREP_DISPID_DISPNAME);
    return SRptReportMem::OnUpdateAttribute(id);
}

bool SRptReportImpl::IsAttrReadOnly(int32_t id, const SRepVariant& value) {
    const bool titlePage = (id >= RPTREPORT_FIRSTPAGETITLE && id <= RPTREPORT_HASFIRSTPAGE) ||
                           (id >= RPTREPORT_HASFIRSTPAGEAUTHOR && id <= RPTREPORT_HASFIRSTPAGESUMMARY);
    if (titlePage) return false;
    return SRptReportMem::IsAttrReadOnly(id, value);
}

// ---- available items ----

HRESULT SRptReportImpl::AddAvailableItems(ISRptAvailableItems* pAvailableItems) {
    if (!pAvailableItems) return S_FALSE;
    SRepClassColPtr availables = GetCollection(RPTREPORT_AVAILABLES);
    SComWrap<ISRepObject> container;
    container = static_cast<IUnknown*>(pAvailableItems);
    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!container || !session) SComThrow(E_POINTER);
    SComWrap<ISRepObject> copy;
    SComCheck(container->Duplicate(session.Get(), SREP_DUPLICATE_DEEP, nullptr, &copy));
    const HRESULT hr = availables->Insert(-1, copy.Get());
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::AddNewAvailableItems(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) {
    if (!pAvailableItems) return E_INVALIDARG;
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    if (!modules) return S_OK;
    *pAvailableItems = nullptr;
    SComWrap<ISRptAvailableItems> container;
    if (modules->GetAvailableItems(sModuleName, &container) != S_OK) return E_FAIL;
    const HRESULT hr = AddAvailableItems(container.Get());
    if (FAILED(hr)) return hr;
    // The module's own container, not the report's copy.
    *pAvailableItems = container.Detach();
    return S_OK;
}

HRESULT SRptReportImpl::GetAvailableItemsCollection(ISRepClassCol** pAvailableItemsCol) {
    if (!pAvailableItemsCol) return E_POINTER;
    return static_cast<ISRepObject*>(this)->GetCollection(RPTREPORT_AVAILABLES, pAvailableItemsCol);
}

HRESULT SRptReportImpl::GetAvailableItemsCount(int32_t* nCount) {
    if (!nCount) return E_POINTER;
    const HRESULT hr = Availables()->GetCount(nCount);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::GetAvailableItemsAtPos(int32_t nPos, ISRptAvailableItems** pAvailableItems) {
    return SRptItemAtPos(Availables(), nPos, pAvailableItems);
}

HRESULT SRptReportImpl::GetAvailableItemsOfModule(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) {
    if (!pAvailableItems) return E_INVALIDARG;
    *pAvailableItems = nullptr;
    SComWrap<ISRepClassCol> availables;
    const HRESULT hr = GetCollection(RPTREPORT_AVAILABLES, &availables);
    if (FAILED(hr)) return hr;
    SRepObjIterator entries(availables.Get());
    SComWrap<ISRptAvailableItems> entry;
    while (entries.Next(entry)) {
        if (!entry) SComThrow(E_POINTER);
        if (_mbscmp(entry->GetModuleID().c_str(), sModuleName.c_str()) == 0) {
            *pAvailableItems = entry.Detach();
            return S_OK;
        }
    }
    return S_FALSE;
}

// ---- templates ----

HRESULT SRptReportImpl::AddTemplate(ISRptTemplate* pTemplate) {
    if (!pTemplate) return S_FALSE;
    SRepClassColPtr templates = GetCollection(RPTREPORT_TEMPLATES);
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(pTemplate);
    const HRESULT hr = templates->Insert(-1, object.Get());
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::AddNewTemplate(const SString& sModuleName, int32_t bDiscardOld, ISRptTemplate** pTemplate) {
    if (!pTemplate) return E_POINTER;
    *pTemplate = nullptr;
    if (!bDiscardOld) return S_FALSE;
    SModuleStateGuard state(SRptGetModuleState());
    RPTUSRITEMDEF def;
    def.ItemID = RPT_TEMPLATE_ITEMID;
    def.ModuleID = sModuleName;
    def.Label.LoadString(IDS_RPT_TEMPLATE_ITEMS, "Template items");
    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!session) SComThrow(E_POINTER);
    SComWrap<ISRepObject> object;
    session->CreateObject(CLSID_SRptTemplate, reinterpret_cast<void**>(&object), ISRepObject::iid, false);
    SComWrap<ISRptTemplate> made;
    made = static_cast<IUnknown*>(object.Get());
    if (!made) SComThrow(E_POINTER);
    HRESULT hr = made->ConstructWithItemDef(&def);
    if (FAILED(hr)) return hr;
    SComWrap<ISRepObjectInit> init;
    init = static_cast<IUnknown*>(object.Get());
    if (init) {
        hr = init->InitObject(nullptr);
        if (FAILED(hr)) return hr;
    }
    // A template that the report cannot take is not left behind in the session.
    hr = AddTemplate(made.Get());
    if (FAILED(hr)) {
        object->Delete();
        return hr;
    }
    *pTemplate = made.Detach();
    return S_OK;
}

HRESULT SRptReportImpl::SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) {
    if (!pTemplate) return E_POINTER;
    const SString moduleId = pTemplate->GetModuleID();
    if (moduleId.IsEmpty()) return S_FALSE;
    // The report's own copy of the module's items may be all there is in a new process: the
    // module is asked first, so that no item it offers is taken for one it no longer does.
    SetUpModuleItems(moduleId);
    SComWrap<ISRptAvailableItems> container;
    HRESULT hr = GetAvailableItemsOfModule(moduleId, &container);
    if (hr != S_OK) {
        hr = AddNewAvailableItems(moduleId, &container);
        if (FAILED(hr)) return hr;
    }
    hr = pTemplate->RetrieveUserProcs(container.Get());
    if (FAILED(hr)) return hr;
    hr = pTemplate->RetrieveRegisteredItems(container.Get());
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::SyncTemplatesWithAvailableItems() {
    SRepObjIterator templates(static_cast<ISRepObject*>(this), RPTREPORT_TEMPLATES);
    SComWrap<ISRptTemplate> each;
    while (templates.Next(each)) {
        if (!each) continue;
        const HRESULT hr = SyncTemplateWithAvailableItems(each.Get());
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptReportImpl::GetTemplatesCollection(ISRepClassCol** pTemplatesCol) {
    if (!pTemplatesCol) return E_POINTER;
    return static_cast<ISRepObject*>(this)->GetCollection(RPTREPORT_TEMPLATES, pTemplatesCol);
}

HRESULT SRptReportImpl::GetTemplatesCount(int32_t* nCount) {
    if (!nCount) return E_POINTER;
    const HRESULT hr = Templates()->GetCount(nCount);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) {
    return SRptItemAtPos(Templates(), nPos, pTemplate);
}

HRESULT SRptReportImpl::GetPosOfTemplate(ISRptTemplate* pTemplate, int32_t* nPos) {
    if (!nPos) return E_INVALIDARG;
    SRepObjIterator templates(static_cast<ISRepObject*>(this), RPTREPORT_TEMPLATES);
    SComWrap<ISRptTemplate> each;
    for (int32_t position = 0; templates.Next(each); ++position) {
        if (each.Get() == pTemplate) {
            *nPos = position;
            return S_OK;
        }
    }
    *nPos = -1;
    return S_FALSE;
}

HRESULT SRptReportImpl::DeleteTemplateAtPos(int32_t nPos) {
    SRepClassColPtr templates = Templates();
    SComWrap<ISRepObject> removed;
    HRESULT hr = templates->Item(nPos, &removed);
    if (hr != S_OK) return hr;
    hr = templates->Remove(nPos);
    if (FAILED(hr)) return hr;
    removed->Delete();
    return S_OK;
}

HRESULT SRptReportImpl::SyncTemplatesWithExtendedResource() {
    SRepObjIterator templates(static_cast<ISRepObject*>(this), RPTREPORT_TEMPLATES);
    SComWrap<ISRptTemplate> each;
    while (templates.Next(each))
        if (each) each->UpdateUserDefinedItems();
    return S_OK;
}

// ---- sinks ----

HRESULT SRptReportImpl::AdviseCollection(int32_t id, ISRepColSink* pSink, bool advise) {
    if (!pSink) return S_FALSE;
    SRepClassColPtr collection = GetCollection(id);
    return advise ? collection->Advise(pSink) : collection->Unadvise(pSink);
}

HRESULT SRptReportImpl::AdviseTemplate(ISRepColSink* pSink) {
    return AdviseCollection(RPTREPORT_TEMPLATES, pSink, true);
}

HRESULT SRptReportImpl::UnadviseTemplate(ISRepColSink* pSink) {
    return AdviseCollection(RPTREPORT_TEMPLATES, pSink, false);
}

HRESULT SRptReportImpl::AdviseAvailableItems(ISRepColSink* pSink) {
    return AdviseCollection(RPTREPORT_AVAILABLES, pSink, true);
}

HRESULT SRptReportImpl::UnadviseAvailableItems(ISRepColSink* pSink) {
    return AdviseCollection(RPTREPORT_AVAILABLES, pSink, false);
}

// ---- template files ----

HRESULT SRptReportImpl::ReadTemplatesFromStream(SInputStream& stream) {
    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!session) SComThrow(E_POINTER);
    SRepClassColPtr templates = Templates();
    const int32_t before = templates.GetCount();
    const HRESULT hr = ::ReadTemplatesFromStream(stream, templates.Get(), session.Get());
    if (FAILED(hr)) return hr;
    return templates.GetCount() > before ? S_OK : S_FALSE;
}

HRESULT SRptReportImpl::WriteTemplatesToStream(SOutputStream& stream) {
    return ::WriteTemplatesToStream(stream, Templates().Get());
}

HRESULT SRptReportImpl::ReadTemplate(const SString& sFile) {
    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!session) SComThrow(E_POINTER);
    SComWrap<ISRptTemplate> read;
    HRESULT hr = ::ReadTemplateFromFile(sFile, &read, session.Get());
    if (FAILED(hr)) return hr;
    hr = AddTemplate(read.Get());
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::WriteTemplate(const SString& sFile) {
    SWaitCursor wait;
    SFile file(sFile);
    // A file that nobody may write keeps what it holds, and the caller hears why.
    if (file.Exists() && file.IsReadOnly()) return E_ACCESSDENIED;
    file.Done();
    SComWrap<ISRptTemplate> first;
    GetTemplateAtPos(0, &first);
    return ::WriteTemplateToFile(sFile, first.Get());
}
