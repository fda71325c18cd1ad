#include "rpt/objs/reports/SRptReportMem.h"

#include "platform/base/SMbcs.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SRepObjIterator.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/RptApi.h"
#include "varod9/RptItemDef.h"

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

// The title path under which the host gives a report's extended titles.
constexpr const char* kExTitlePath = "\\Report Titles\\General";

}  // namespace

// ---- computed attributes ----

HRESULT SRptReportImpl::PutDispName(const SString& value) {
    return Set_CHAR(SREP_DISPID_NAME, value, m_name);
}

SComWrap<ISRepObject> SRptReportImpl::GetLang() {
    SComWrap<ISRepObject> language;
    static_cast<ISRepObject*>(this)->GetObjectA(RPTREPORT_LANGUAGE, &language);
    return language;
}

SString SRptReportImpl::GetLangName() {
    ISRptModuleClient* client = FirstModuleClient();
    if (!client) return NoClientText();
    SString name;
    client->GetReportLangName(name, this);
    return name;
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

// ---- initialisation ----

HRESULT SRptReportImpl::OnInitialize(ISRepObject* parent) {
    Set_TEXT(RPTREPORT_FIRSTPAGETITLE, SRptLoadString(IDS_RPT_REPORT_TITLE, "Report"), m_firstPageTitle);
    return SRptReportMem::OnInitialize(parent);
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
    AddTemplate(made.Get());
    *pTemplate = made.Detach();
    return S_OK;
}

HRESULT SRptReportImpl::SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) {
    if (!pTemplate) return E_POINTER;
    const SString moduleId = pTemplate->GetModuleID();
    if (moduleId.IsEmpty()) return S_FALSE;
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

HRESULT SRptReportImpl::GetTemplatesCount(int32_t* nCount) {
    if (!nCount) return E_POINTER;
    SRepClassColPtr templates = GetCollection(RPTREPORT_TEMPLATES);
    const HRESULT hr = templates->GetCount(nCount);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptReportImpl::GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) {
    if (!pTemplate) return E_POINTER;
    *pTemplate = nullptr;
    SRepClassColPtr templates = GetCollection(RPTREPORT_TEMPLATES);
    SComWrap<ISRepObject> object;
    const HRESULT hr = templates->Item(nPos, &object);
    if (hr != S_OK) return hr;
    SComWrap<ISRptTemplate> found;
    found = static_cast<IUnknown*>(object.Get());
    *pTemplate = found.Detach();
    return S_OK;
}
