// The exported functions that host modules call (RptApi.h). Each is a boundary: what its body
// throws becomes its result code, with its out-pointers null, and nothing is left half-made in
// an out-pointer, since each fills its out-pointers last.
#include "varod9/RptApi.h"

#include <new>

#include "platform/base/SExceptionResult.h"
#include "platform/base/SMbcs.h"
#include "platform/com/SComCheck.h"
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellModule.h"
#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/ISRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModule.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptSink.h"
#include "varod9/RptFieldDef.h"
#include "varod9/RptItemDef.h"

namespace {

// Runs an exported function's body; what it throws becomes its code, and the out-pointers given
// (those that are not null) are cleared.
template <class F, class... Out>
HRESULT Exported(F&& body, Out**... outs) noexcept {
    try {
        return body();
    } catch (...) {
        const HRESULT hr = SExceptionResult::FromCurrent();
        ((outs ? void(*outs = nullptr) : void()), ...);
        return hr;
    }
}

SRptGlobalsContainer& Globals() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    if (!globals) SComThrow(E_UNEXPECTED);
    return *globals;
}

SRptModuleList* Modules() {
    return Globals().GetModuleList();
}

// The class that an item description's kind word creates; null for a kind that creates nothing.
const GUID* ClassOfKind(int32_t kind) {
    switch (kind) {
        case RPT_ITEMKIND_FOLDER: return &CLSID_SRptFolder;
        case RPT_ITEMKIND_USERGRAPHIC: return &CLSID_SRptUserGraphic;
        case RPT_ITEMKIND_LIST: return &CLSID_SRptList;
        case RPT_ITEMKIND_FORM: return &CLSID_SRptForm;
        case RPT_ITEMKIND_GRPTEXT: return &CLSID_SRptGrpText;
        case RPT_ITEMKIND_GRPTITLE: return &CLSID_SRptGrpTitle;
        default: return nullptr;
    }
}

// Creates an item of the description's kind in the container's session, builds it from the
// description, initialises it under its parent (none for null) and adds it to the container,
// as a sub-item of the parent when there is one. S_FALSE and nothing made for a kind that
// creates nothing or a session that makes no object.
HRESULT CreateItem(ISRptAvailableItems* container, const RPTUSRITEMDEF* itemDef, ISRptItem* parent, ISRptItem** out) {
    const SComWrap<ISRptAvailableItems> heldContainer(container);
    const SComWrap<ISRptItem> heldParent(parent);
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!itemDef || !container) return E_INVALIDARG;
    SComWrap<ISRepSession> session;
    SComCheck(container->GetSession(&session));
    const GUID* clsid = ClassOfKind(itemDef->Kind);
    if (!clsid || !session) return S_FALSE;
    SComWrap<ISRepObject> object;
    session->CreateObject(*clsid, reinterpret_cast<void**>(&object), ISRepObject::iid, false);
    if (!object) return S_FALSE;
    SComWrap<ISRptItem> item;
    item = static_cast<IUnknown*>(object.Get());
    if (!item) SComThrow(E_POINTER);
    HRESULT hr = item->ConstructWithItemDef(itemDef);
    if (SUCCEEDED(hr)) {
        SComWrap<ISRepObject> parentObject;
        parentObject = static_cast<IUnknown*>(parent);
        SComWrap<ISRepObjectInit> init;
        init = static_cast<IUnknown*>(object.Get());
        if (init) hr = init->InitObject(parentObject.Get());
    }
    if (FAILED(hr)) {
        object->Delete();
        return hr;
    }
    if (parent)
        container->AddSubItem(item.Get(), parent);
    else
        container->AddItem(item.Get());
    *out = item.Detach();
    return S_OK;
}

// A sub-item: the parent, when given, must be a group, which the description then names.
HRESULT CreateSubItem(ISRptAvailableItems* container, ISRptItem* parent, RPTUSRITEMDEF* itemDef, ISRptItem** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (parent) {
        SComWrap<ISRepObject> parentObject;
        parentObject = static_cast<IUnknown*>(parent);
        SComWrap<ISRptGroup> group;
        group = parentObject;
        if (!group) return S_FALSE;
        if (itemDef) itemDef->ParentGroup = group.Get();
    }
    return CreateItem(container, itemDef, parent, out);
}

// The container of a module, after its one-time set-up.
SComWrap<ISRptAvailableItems> ContainerOf(ISRptModule* module) {
    if (!module) SComThrow(E_POINTER);
    SComWrap<ISRptAvailableItems> container;
    SComCheck(module->GetAvailableItems(&container));
    return container;
}

// Enters a new item in the module item table under its own module id and item id, registers it
// to itself, and hands it out. S_FALSE when there is no table.
HRESULT RegisterItem(SComWrap<ISRptItem>& item, ISRptItem** out) {
    if (!item) SComThrow(E_POINTER);
    SRptModuleItemTable* table = Globals().GetModuleItemTable();
    if (table) table->Enter(SRptModuleItemTableEntry(item->GetModuleID(), item->GetItemID()), item.Get());
    item->SetRegisteredItem(item.Get());
    *out = item.Detach();
    return table ? S_OK : S_FALSE;
}

SRptShellModule* Shell() {
    return Globals().GetRptShellModule();
}

// Registers the item that `create` makes (S_OK with the item); what was not created is not
// registered, and the creation's answer is the result.
template <class Create>
HRESULT RegisterCreated(ISRptItem** out, Create&& create) {
    return Exported(
        [&]() -> HRESULT {
            if (!out) return E_POINTER;
            *out = nullptr;
            SComWrap<ISRptItem> item;
            const HRESULT hr = create(&item);
            if (hr != S_OK) return hr;
            return RegisterItem(item, out);
        },
        out);
}

}  // namespace

// ---- modules, items and fields ----

HRESULT RptRegisterModule(ISRptModuleClient* pClient, const SString& sModuleID, const SString& sLabel, int32_t bFlag,
                          ISRptModule** pModule) {
    return Exported(
        [&]() -> HRESULT {
            if (!pModule) return E_POINTER;
            SRptModuleList* modules = Modules();
            if (!modules || modules->Contains(sModuleID)) return S_FALSE;
            auto* made = new (std::nothrow) SRptModule;
            if (!made) return E_OUTOFMEMORY;
            SComWrap<ISRptModule> module;
            module.Attach(made);
            const HRESULT hr = module->CreateAvailableItems(sModuleID);
            if (FAILED(hr)) return hr;
            module->SetLabel(sLabel);
            const uint8_t flag = bFlag != 0 ? 1 : 0;
            module->SetFlag(&flag);
            module->SetClient(pClient);
            modules->Attach(module.Get());
            *pModule = module.Detach();
            return S_OK;
        },
        pModule);
}

HRESULT RptUnregisterModule(ISRptModule* pModule) {
    return Exported([&]() -> HRESULT {
        if (!pModule) return E_POINTER;
        const SComWrap<ISRptModule> held(pModule);
        SString id;
        SComCheck(pModule->GetID(id));
        SRptModuleList* modules = Modules();
        if (!modules || !modules->Contains(id)) return S_FALSE;
        modules->Detach(id);
        SRptGlobalsContainer& globals = Globals();
        if (SRptModuleItemTable* items = globals.GetModuleItemTable()) items->DropModule(id);
        if (SRptModuleFieldTable* fields = globals.GetModuleFieldTable()) fields->DropModule(id);
        return S_OK;
    });
}

HRESULT RptRegisterItem(ISRptModule* pModule, const RPTUSRITEMDEF* pItemDef, ISRptItem** pItem) {
    return RegisterCreated(pItem, [&](ISRptItem** item) -> HRESULT {
        if (!Shell()) return S_FALSE;
        return CreateItem(ContainerOf(pModule).Get(), pItemDef, nullptr, item);
    });
}

HRESULT RptRegisterSubItem(ISRptModule* pModule, ISRptItem* pParentItem, RPTUSRITEMDEF* pItemDef, ISRptItem** pItem) {
    return RegisterCreated(pItem, [&](ISRptItem** item) {
        return CreateSubItem(ContainerOf(pModule).Get(), pParentItem, pItemDef, item);
    });
}

HRESULT RptRegisterField(ISRptModule* pModule, const RPTFIELDDEF* pFieldDef, ISRptField** pField) {
    return Exported(
        [&]() -> HRESULT {
            if (!pField || !pModule) return E_POINTER;
            *pField = nullptr;
            if (!pFieldDef) return E_INVALIDARG;
            SComWrap<ISRepSession> session;
            HRESULT hr = pModule->GetSession(&session);
            if (FAILED(hr)) return hr;
            if (!session) return S_FALSE;
            SComWrap<ISRepObject> object;
            session->CreateObject(CLSID_SRptField, reinterpret_cast<void**>(&object), ISRepObject::iid, false);
            SComWrap<ISRptField> field;
            field = static_cast<IUnknown*>(object.Get());
            if (!field) return S_FALSE;
            field->ConstructWithFieldDef(pFieldDef);
            pModule->AddField(field.Get());
            SRptModuleFieldTable* table = Globals().GetModuleFieldTable();
            if (table)
                table->Enter(SRptModuleFieldTableEntry(field->GetModuleID(), field->GetFieldName()), field.Get());
            *pField = field.Detach();
            return table ? S_OK : S_FALSE;
        },
        pField);
}

HRESULT RptAddItem(ISRptAvailableItems* pAvailableItems, const RPTUSRITEMDEF* pItemDef, ISRptItem** pItem) {
    return Exported([&] { return CreateItem(pAvailableItems, pItemDef, nullptr, pItem); }, pItem);
}

HRESULT RptAddSubItem(ISRptAvailableItems* pAvailableItems, ISRptItem* pParentItem, RPTUSRITEMDEF* pItemDef,
                      ISRptItem** pItem) {
    return Exported([&] { return CreateSubItem(pAvailableItems, pParentItem, pItemDef, pItem); }, pItem);
}

HRESULT RptRetrieveModuleIDFromLabel(const SString& sLabel, SString* pModuleID) {
    return Exported([&]() -> HRESULT {
        if (!pModuleID) return E_POINTER;
        SRptModuleList* modules = Modules();
        SComWrap<ISRptModule> module;
        if (!modules || modules->RetrieveFromLabel(sLabel, &module) != S_OK || !module) return S_FALSE;
        SComCheck(module->GetID(*pModuleID));
        return S_OK;
    });
}

HRESULT RptRetrieveModuleFromLabel(const SString& sLabel, ISRptModule** pModule) {
    return Exported(
        [&]() -> HRESULT {
            if (!pModule) return E_POINTER;
            *pModule = nullptr;
            SRptModuleList* modules = Modules();
            if (sLabel.IsEmpty() || !modules) return S_FALSE;
            return modules->RetrieveFromLabel(sLabel, pModule) == S_OK ? S_OK : S_FALSE;
        },
        pModule);
}

HRESULT RptAdvise(ISRptSink* pSink) {
    return Exported([&] {
        (*Globals().GetSinkMap())[pSink] = pSink;
        return S_OK;
    });
}

HRESULT RptUnadvise(ISRptSink* pSink) {
    return Exported([&] { return Globals().GetSinkMap()->RemoveKey(pSink) ? S_OK : S_FALSE; });
}

HRESULT RptCreateRptAvailableItems(const SString&, ISRptAvailableItems** pAvailableItems) {
    if (pAvailableItems) *pAvailableItems = nullptr;
    return S_OK;
}

HRESULT RptDestroyRptAvailableItems(ISRptAvailableItems* pAvailableItems) {
    return Exported([&] {
        if (pAvailableItems) {
            SComWrap<ISRepObject> object;
            object = static_cast<IUnknown*>(pAvailableItems);
            if (!object) SComThrow(E_POINTER);
            object->Delete();
        }
        return S_FALSE;
    });
}

// ---- templates, reports and editors ----

HRESULT RptCreateTemplate(const SString& sModuleID, const SString& sName, ISRepSession** pSession,
                          ISRepObject** pReport) {
    return Exported(
        [&] {
            const HRESULT hr = Globals().GetTemplatesManager()->CreateTemplate(sModuleID, sName, pSession, pReport);
            return FAILED(hr) ? hr : S_OK;
        },
        pSession, pReport);
}

HRESULT RptGenerateReport(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient, uint32_t nMode) {
    return Exported([&] { return pReport ? pReport->GenerateReport(pGenerationClient, nMode) : E_INVALIDARG; });
}

HRESULT RptPreviewReport(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient,
                         ISShellCommandTarget* pUserCommandTarget) {
    return Exported(
        [&] { return pReport ? pReport->PreviewReport(pGenerationClient, pUserCommandTarget) : E_INVALIDARG; });
}

HRESULT RptEditTemplate() {
    return S_FALSE;
}

// Each of these hands its arguments on to the shell module unchanged and answers what it answers.
HRESULT CreateViewReportTemplateEditor(ISRptReport* pReport, SShellView** pView) {
    return Exported([&] { return Shell()->CreateViewReportTemplateEditor(pReport, pView); }, pView);
}

HRESULT CreateViewIntraModelReportEditor(ISRptReport* pReport, SShellView** pView,
                                         ISShellCommandTarget* pUserCommandTarget) {
    return Exported([&] { return Shell()->CreateViewIntraModelReportEditor(pReport, pView, pUserCommandTarget); },
                    pView);
}

HRESULT CreateViewMultiModelReportEditor(ISRptReport* pReport, SShellView** pView,
                                         ISShellCommandTarget* pUserCommandTarget) {
    return Exported([&] { return Shell()->CreateViewMultiModelReportEditor(pReport, pView, pUserCommandTarget); },
                    pView);
}

HRESULT ReadTemplateFromFile(const SString& sPath, ISRptTemplate** pTemplate, ISRepSession* pSession) {
    return Exported([&] { return Shell()->ReadTemplateFromFile(sPath, pTemplate, pSession); }, pTemplate);
}

HRESULT ReadTemplateFromStream(SInputStream& stream, ISRptTemplate** pTemplate, ISRepSession* pSession) {
    return Exported([&] { return Shell()->ReadTemplateFromStream(stream, pTemplate, pSession); }, pTemplate);
}

HRESULT ReadTemplatesFromFile(const SString& sPath, ISRepClassCol* pCollection, ISRepSession* pSession) {
    return Exported([&] { return Shell()->ReadTemplatesFromFile(sPath, pCollection, pSession); });
}

HRESULT ReadTemplatesFromStream(SInputStream& stream, ISRepClassCol* pCollection, ISRepSession* pSession) {
    return Exported([&] { return Shell()->ReadTemplatesFromStream(stream, pCollection, pSession); });
}

HRESULT WriteTemplateToFile(const SString& sPath, ISRptTemplate* pTemplate) {
    return Exported([&] { return Shell()->WriteTemplateToFile(sPath, pTemplate); });
}

HRESULT WriteTemplateToStream(SOutputStream& stream, ISRptTemplate* pTemplate) {
    return Exported([&] { return Shell()->WriteTemplateToStream(stream, pTemplate); });
}

HRESULT WriteTemplatesToFile(const SString& sPath, ISRepClassCol* pCollection) {
    return Exported([&] { return Shell()->WriteTemplatesToFile(sPath, pCollection); });
}

HRESULT WriteTemplatesToStream(SOutputStream& stream, ISRepClassCol* pCollection) {
    return Exported([&] { return Shell()->WriteTemplatesToStream(stream, pCollection); });
}

// ---- the host's shell ----

HRESULT SShellCreateInstance(const GUID&, IUnknown*, uint32_t, const GUID&, void** ppv) {
    // The answer is S_OK whatever the query gives; without a shell module `ppv` stays as it was.
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    if (SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr)
        static_cast<ISShellModule*>(shell)->QueryInterface(ISShellModule::iid, ppv);
    return S_OK;
}
