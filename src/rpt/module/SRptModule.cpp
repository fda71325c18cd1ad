#include "rpt/module/SRptModule.h"

#include "platform/base/SExceptionResult.h"
#include "platform/com/SComThrow.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "varod9/RptApi.h"

SRptModule::SRptModule() : SRptRefCounted(1) {}

SRptModule::~SRptModule() {
    m_fields.ReleaseAll();
    DropSession();
    m_fields.RemoveAll();
}

void SRptModule::DropSession() {
    // Closing deletes the container and its items; whatever else still holds them finds them
    // deleted, and the session goes with the last of them.
    if (m_session) m_session->Close();
    m_availableItems.Clear();
    m_session.Clear();
}

HRESULT SRptModule::GetLabel(SString& sLabel) noexcept {
    return SExceptionResult::Guard([&] {
        sLabel = m_label;
        return S_OK;
    });
}

HRESULT SRptModule::SetLabel(const SString& sLabel) noexcept {
    return SExceptionResult::Guard([&] {
        m_label = sLabel;
        return S_OK;
    });
}

HRESULT SRptModule::SetFlag(const uint8_t* pFlag) noexcept {
    if (!pFlag) return E_POINTER;
    m_flag = *pFlag;
    return S_OK;
}

HRESULT SRptModule::GetID(SString& sID) noexcept {
    if (!m_availableItems) return E_POINTER;
    return SExceptionResult::Guard([&] {
        sID = m_availableItems->GetModuleID();
        return S_OK;
    });
}

HRESULT SRptModule::InitAvailableItems() noexcept {
    if (!m_availableItems || m_itemsInitialised) return S_FALSE;
    // Marked before anything runs: a set-up that fails is not tried again, and the client may
    // register its items (which asks for the container again) from inside it.
    m_itemsInitialised = true;
    SComWrap<ISRptModule> keepAlive(this);
    SComWrap<ISRptAvailableItems> container(m_availableItems);
    const HRESULT hr = SExceptionResult::Guard([&] { return container->CreateCommonItems(); });
    if (FAILED(hr)) return hr;
    // The client's result is not looked at, nor what it throws.
    if (m_client) SExceptionResult::Guard([&] { return m_client->InitAvailableItems(this); });
    return S_OK;
}

HRESULT SRptModule::AddAvailableItem(ISRptItem* pItem) noexcept {
    if (!m_availableItems) return E_POINTER;
    return SExceptionResult::Guard([&] { return m_availableItems->AddItem(pItem); });
}

HRESULT SRptModule::AddAvailableSubItem(ISRptItem* pItem, ISRptItem* pParentItem) noexcept {
    if (!m_availableItems) return E_POINTER;
    return SExceptionResult::Guard([&] { return m_availableItems->AddSubItem(pItem, pParentItem); });
}

HRESULT SRptModule::GetSession(ISRepSession** pSession) noexcept {
    return m_session.CopyTo(pSession);
}

HRESULT SRptModule::GetAvailableItems(ISRptAvailableItems** pAvailableItems) noexcept {
    if (!pAvailableItems) return E_POINTER;
    *pAvailableItems = nullptr;
    const HRESULT hr = InitAvailableItems();
    if (FAILED(hr)) return hr;
    m_availableItems.CopyTo(pAvailableItems);
    return S_OK;
}

HRESULT SRptModule::AddField(ISRptField* pField) noexcept {
    if (!pField) return E_POINTER;
    return SExceptionResult::Guard([&] {
        m_fields.Add(pField);
        return S_OK;
    });
}

HRESULT SRptModule::CreateAvailableItems(const SString& sID) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        SRptGlobalsContainer* globals = GetRptGlobalsContainer();
        SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
        if (!shell) return S_FALSE;
        SString url;
        url.Format("file:///AvailableItemsSession.%s", sID.c_str());
        DropSession();
        SComWrap<ISRepSession> session;
        shell->CreateSession(&session, url, 0, 0);
        if (!session) SComThrow(E_POINTER);
        m_session = session;
        SComWrap<ISRepObject> root;
        const HRESULT hr = m_session->CreateModelObject(CLSID_SRptAvailableItems, reinterpret_cast<void**>(&root),
                                                        ISRepObject::iid, -1, true);
        if (FAILED(hr)) return hr;
        m_availableItems = static_cast<IUnknown*>(root.Get());
        if (!m_availableItems) SComThrow(E_POINTER);
        m_availableItems->PutModuleID(sID);
        return S_OK;
    });
}

HRESULT SRptModule::GetClient(ISRptModuleClient** pClient) noexcept {
    if (!pClient) return E_POINTER;
    *pClient = m_client;
    if (m_client) m_client->AddRef();
    return S_OK;
}

HRESULT SRptModule::SetClient(ISRptModuleClient* pClient) noexcept {
    m_client = pClient;
    return S_OK;
}
