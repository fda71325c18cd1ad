#include "rpt/objs/items/SRptCustomMem.h"

#include "platform/base/SExceptionResult.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SStringLoad.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptApi.h"

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

HRESULT SRptCustomImpl::PutResPath(const SString& value) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        if (_mbscmp(value.c_str(), GetResPath().c_str()) == 0) return S_FALSE;
        const HRESULT hr = StoreResPath(value);
        if (SUCCEEDED(hr) && hr != S_FALSE) PostSetAttribute(RPTCUSTOM_RESPATH);
        return hr;
    });
}

HRESULT SRptCustomImpl::StoreResPath(const SString& value) {
    m_resPath = value;
    return S_OK;
}

SString SRptCustomImpl::ComputeLabelInTemplate() {
    return LabelWithFirstLine(GetLabel(), GetDispTitle());
}

// ---- SRptCustomImpl: the module's procedures and resources ----

HRESULT SRptCustomImpl::GetUserProcs(IUnknown** pRptUserProcs) noexcept {
    if (!pRptUserProcs) return E_POINTER;
    return m_userProcs.CopyTo(pRptUserProcs);
}

HRESULT SRptCustomImpl::SetUserProcs(IUnknown* pRptUserProcs) noexcept {
    if (m_userProcs.Get() != pRptUserProcs) m_userProcs.Reset(pRptUserProcs);
    return S_OK;
}

HRESULT SRptCustomImpl::SetResInstance(HINSTANCE hResInstance) noexcept {
    m_resInstance = hResInstance;
    return S_OK;
}

HRESULT SRptCustomImpl::InitTblCtsEntry(RPTTBLCTSENTRY* pEntry) {
    if (!pEntry) return E_INVALIDARG;
    SComWrap<ISRptUserProcs> procs;
    const HRESULT hr = procs.Assign(m_userProcs.Get());
    if (hr != E_NOINTERFACE) SComCheck(hr);
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
