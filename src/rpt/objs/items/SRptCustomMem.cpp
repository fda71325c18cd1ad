#include "rpt/objs/items/SRptCustomMem.h"

#include "platform/base/SECOMException.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SStringLoad.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptCustomMem", "SRptCustomMem");

constexpr uint32_t kStoredFlags = 0x8;
constexpr uint32_t kShownTitleFlags = 0x421;
constexpr uint32_t kResPathFlags = 0x420;

}  // namespace

// ---- SRptCustomMem: the attribute protocol ----

HRESULT SRptCustomMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTCUSTOM_TITLERESID: value->SetInt(m_titleResID); return S_OK;
            case RPTCUSTOM_DEFAULTTITLE: value->SetText(m_defaultTitle); return S_OK;
            case RPTCUSTOM_TITLEFROMRES: value->SetText(m_titleFromRes); return S_OK;
            case RPTCUSTOM_TITLE: value->SetText(m_title); return S_OK;
            case RPTCUSTOM_ITEMPARAM: value->SetInt(m_itemParam); return S_OK;
            case RPTCUSTOM_USERDEFINED: value->SetBool(m_userDefined); return S_OK;
            case RPTCUSTOM_DISPTITLE: value->SetText(GetDispTitle()); return S_OK;
            case RPTCUSTOM_EXDEFTITLE: value->SetText(GetExDefTitle()); return S_OK;
            case RPTCUSTOM_RESPATH: value->SetText(GetResPath()); return S_OK;
            default: return SRptGrpMemberImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptCustomMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTCUSTOM_TITLERESID: return VSet_INT(id, value, m_titleResID);
            case RPTCUSTOM_DEFAULTTITLE: return VSet_TEXT(id, value, m_defaultTitle);
            case RPTCUSTOM_TITLEFROMRES: return VSet_TEXT(id, value, m_titleFromRes);
            case RPTCUSTOM_TITLE: return VSet_TEXT(id, value, m_title);
            case RPTCUSTOM_ITEMPARAM: return VSet_INT(id, value, m_itemParam);
            case RPTCUSTOM_USERDEFINED: return VSet_BOOL(id, value, m_userDefined);
            case RPTCUSTOM_RESPATH:
                if (!value.IsText()) return DISP_E_TYPEMISMATCH;
                return StoreResPath(value.GetText());
            // DispTitle and ExDefTitle are read-only: they go on to classes that do not know them.
            default: return SRptGrpMemberImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptCustomMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTCUSTOM_TITLERESID:
            case RPTCUSTOM_ITEMPARAM: value->SetInt(0); return S_OK;
            case RPTCUSTOM_DEFAULTTITLE:
            case RPTCUSTOM_TITLEFROMRES:
            case RPTCUSTOM_TITLE: value->SetText(SString()); return S_OK;
            case RPTCUSTOM_USERDEFINED: value->SetBool(false); return S_OK;
            // The computed attributes have no default: an empty value of their type.
            case RPTCUSTOM_DISPTITLE:
            case RPTCUSTOM_EXDEFTITLE:
            case RPTCUSTOM_RESPATH: value->SetText(SString()); return E_NOTIMPL;
            default: return SRptGrpMemberImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptCustomMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTCUSTOM_TITLERESID:
        case RPTCUSTOM_DEFAULTTITLE:
        case RPTCUSTOM_TITLEFROMRES:
        case RPTCUSTOM_TITLE:
        case RPTCUSTOM_ITEMPARAM:
        case RPTCUSTOM_USERDEFINED: return kStoredFlags;
        case RPTCUSTOM_DISPTITLE:
        case RPTCUSTOM_EXDEFTITLE: return kShownTitleFlags;
        case RPTCUSTOM_RESPATH: return kResPathFlags;
        default: return SRptGrpMemberImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptCustomMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTCUSTOM_TITLERESID:
        case RPTCUSTOM_ITEMPARAM: return SREP_VT_INT;
        case RPTCUSTOM_USERDEFINED: return SREP_VT_BOOL;
        case RPTCUSTOM_DEFAULTTITLE:
        case RPTCUSTOM_TITLEFROMRES:
        case RPTCUSTOM_TITLE:
        case RPTCUSTOM_DISPTITLE:
        case RPTCUSTOM_EXDEFTITLE:
        case RPTCUSTOM_RESPATH: return SREP_VT_TEXT;
        default: return SRptGrpMemberImpl::GetAttributeType(id);
    }
}

bool SRptCustomMem::HasAttribute(int32_t id) const {
    switch (id) {
        case RPTCUSTOM_TITLERESID:
        case RPTCUSTOM_DEFAULTTITLE:
        case RPTCUSTOM_TITLEFROMRES:
        case RPTCUSTOM_TITLE:
        case RPTCUSTOM_ITEMPARAM:
        case RPTCUSTOM_DISPTITLE:
        case RPTCUSTOM_RESPATH:
        case RPTCUSTOM_USERDEFINED:
        case RPTCUSTOM_EXDEFTITLE: return true;
        default: return SRptGrpMemberMem::HasAttribute(id);
    }
}

bool SRptCustomMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptCustom || SRptGrpMemberMem::ClassIsKindOf(clsid);
}

bool SRptCustomMem::ClassHasCollection(int32_t id) {
    return SRptGrpMemberMem::ClassHasCollection(id);
}

HRESULT SRptCustomMem::FinalConstruct() {
    HRESULT hr = SRptGrpMemberImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptCustomRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptCustomImpl: construction ----

HRESULT SRptCustomImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    PutTitleResID(static_cast<int32_t>(pItemDef->TitleResID));
    PutDefaultTitle(pItemDef->DefaultTitle);
    PutResPath(pItemDef->ResPath);
    PutItemParam(pItemDef->ItemParam);
    SetUserProcs(pItemDef->UserProcs);
    SetResInstance(pItemDef->ResInstance);
    // The module's own string when it has one, else the default it gave.
    const SString title = SStringLoad(static_cast<uint32_t>(GetTitleResID()), GetDefaultTitle().c_str(),
                                      GetResInstance());
    PutTitleFromRes(title);
    PutTitle(title);
    SComWrap<ISRepObject> titlePara;
    HRESULT hr = CreateObject(CLSID_SRptParaTitle, reinterpret_cast<void**>(&titlePara), ISRepObject::iid,
                              RPTPARACONTAINER_PARAGRAPHS, 0, true);
    if (FAILED(hr)) return hr;
    hr = SRptGrpMemberImpl::SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

// ---- SRptCustomImpl: titles and labels ----

SString SRptCustomImpl::GetDispTitle() {
    return GetUserDefined() ? GetTitle() : GetExDefTitle();
}

SString SRptCustomImpl::GetExDefTitle() {
    const SString path = GetResPath();
    SString title;
    // Only a report knows what a title path stands for, so only an item in a template of a
    // report can have such a title.
    SComWrap<ISRptTemplate> reportTemplate;
    GetTemplate(&reportTemplate);
    if (reportTemplate && !path.IsEmpty()) {
        SComWrap<ISRptReport> report;
        report = static_cast<IUnknown*>(reportTemplate->GetParentReport());
        if (report) title = report->GetTitleFromPath(path);
    }
    if (title.IsEmpty()) title = GetDefaultTitle();
    return title;
}

HRESULT SRptCustomImpl::PutResPath(const SString& value) {
    if (_mbscmp(value.c_str(), GetResPath().c_str()) == 0) return S_FALSE;
    const HRESULT hr = StoreResPath(value);
    if (SUCCEEDED(hr) && hr != S_FALSE) PostSetAttribute(RPTCUSTOM_RESPATH);
    return hr;
}

HRESULT SRptCustomImpl::StoreResPath(const SString& value) {
    m_resPath = value;
    return S_OK;
}

SString SRptCustomImpl::ComputeLabelInTemplate() {
    return LabelWithFirstLine(GetLabel(), GetDispTitle());
}

// ---- SRptCustomImpl: the module's procedures and resources ----

HRESULT SRptCustomImpl::GetUserProcs(IUnknown** pRptUserProcs) {
    if (!pRptUserProcs) return E_POINTER;
    return m_userProcs.CopyTo(pRptUserProcs);
}

HRESULT SRptCustomImpl::SetUserProcs(IUnknown* pRptUserProcs) {
    if (m_userProcs.Get() != pRptUserProcs) m_userProcs.Reset(pRptUserProcs);
    return S_OK;
}

HRESULT SRptCustomImpl::SetResInstance(HINSTANCE hResInstance) {
    m_resInstance = hResInstance;
    return S_OK;
}

HRESULT SRptCustomImpl::InitTblCtsEntry(RPTTBLCTSENTRY* pEntry) {
    if (!pEntry) return E_INVALIDARG;
    SComWrap<ISRptUserProcs> procs;
    const HRESULT hr = procs.Assign(m_userProcs.Get());
    if (FAILED(hr) && hr != E_NOINTERFACE) throw SECOMException(hr);
    // Without the module's procedures there is no one to ask: no entry, and nothing wrong.
    if (!procs) return S_OK;
    RPTPROCCONTEXT request;
    request.GenerationClient = pEntry->GenerationClient;
    request.ItemParam = GetItemParam();
    request.Text1 = GetDispTitle();
    // The module's answer is in the record; its result says nothing more.
    procs->Process(pEntry->Report, &request);
    pEntry->Text = request.Text2;
    pEntry->HasEntry = 1;
    return S_OK;
}

// ---- SRptCustomRegistry ----

const SAttrEditorMap SRptCustomRegistry::attrEditorMap = {&SRptGrpMemberRegistry::attrEditorMap,
                                                          SREP_NO_ATTR_EDITORS};

SRptCustomRegistry::SRptCustomRegistry()
    : SRepStaticRegistry(CLSID_SRptCustom, &attrEditorMap, nullptr, &SRptCustomMem::ClassIsKindOf,
                         &SRptCustomMem::ClassHasCollection, 1, SRptGetModuleState()) {}
