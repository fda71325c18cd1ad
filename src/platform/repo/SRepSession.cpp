#include "platform/repo/SRepSession.h"

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepSessionExtern.h"

namespace {

// Copies a text; a copy that cannot be made leaves the target as it was and gives its code.
HRESULT Keep(const SString& from, SString& to) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        to = from;
        return S_OK;
    });
}

}  // namespace

HRESULT SRepSession::Create(const SString& name, ISRepSession** session) {
    if (!session) return E_POINTER;
    *session = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT {
        // The framework's own creatable classes are there before any session can make objects.
        SRepSessionExternRegistry::Get();
        SComWrap<ISRepSession> made;
        made.Reset(new SRepSession(name));
        static_cast<SRepSession*>(made.Get())->m_model = SRepClassCol::Create(nullptr, 0, SRepClassCol::Kind::Model);
        *session = made.Detach();
        return S_OK;
    });
}

SRepSession::~SRepSession() {
    // Objects in the model hold the session, so it can only go once the model is empty; the
    // collection may still be held elsewhere and must not point at objects it no longer keeps.
    if (m_model) m_model->Detach();
}

HRESULT SRepSession::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == ISRepSession::iid || riid == IUnknown::iid) {
        *out = static_cast<ISRepSession*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

uint32_t SRepSession::AddRef() {
    return static_cast<uint32_t>(++m_refCount);
}

uint32_t SRepSession::Release() {
    if (--m_refCount == 0) {
        m_refCount = 0x7FFFFFFF;
        delete this;
        return 0;
    }
    return static_cast<uint32_t>(m_refCount);
}

HRESULT SRepSession::GetName(SString* name) noexcept {
    if (!name) return E_POINTER;
    return Keep(m_name, *name);
}

HRESULT SRepSession::SetName(const SString& name) noexcept {
    return Keep(name, m_name);
}

HRESULT SRepSession::GetFormatName(SString* format) noexcept {
    if (!format) return E_POINTER;
    return Keep(m_formatName, *format);
}

HRESULT SRepSession::SetFormatName(const SString& format) noexcept {
    return Keep(format, m_formatName);
}

HRESULT SRepSession::SetModified(bool modified) noexcept {
    m_modified = modified;
    return S_OK;
}

HRESULT SRepSession::IsModified() noexcept {
    return m_modified ? S_OK : S_FALSE;
}

HRESULT SRepSession::GetPathName(SString* path) noexcept {
    if (!path) return E_POINTER;
    return Keep(m_pathName, *path);
}

HRESULT SRepSession::SetPathName(const SString& path) noexcept {
    return Keep(path, m_pathName);
}

HRESULT SRepSession::AdviseSessionSink(ISRepSessionView* view) noexcept {
    if (!view) return E_POINTER;
    // Views of a closed document would never be let go.
    if (!m_documentOpen) return E_UNEXPECTED;
    return SExceptionResult::Guard([&] {
        m_views.emplace_back(view);
        return S_OK;
    });
}

HRESULT SRepSession::UnadviseSessionSink(ISRepSessionView* view) noexcept {
    if (!view) return E_POINTER;
    for (auto it = m_views.begin(); it != m_views.end(); ++it) {
        if (it->Get() != view) continue;
        // The view may go with the reference; it is out of the list first.
        SComWrap<ISRepSessionView> leaving = std::move(*it);
        m_views.erase(it);
        return S_OK;
    }
    return S_FALSE;
}

int32_t SRepSession::GetOpenState() noexcept {
    return m_open && m_documentOpen ? 1 : 0;
}

HRESULT SRepSession::CloseDocument(void*, void*, void*, void*, void*, void*) noexcept {
    if (!m_documentOpen) return S_FALSE;
    // Each view is asked on a copy: a view may withdraw while it answers.
    const std::vector<SComWrap<ISRepSessionView>> views = m_views;
    for (const SComWrap<ISRepSessionView>& view : views) {
        const HRESULT answer = view->SessionCanClose();
        if (answer != S_OK) return answer;
    }
    m_documentOpen = false;
    // Every view of the document is told, so that none stays open on it. A view withdraws as it
    // closes; whichever did not is let go all the same.
    for (const SComWrap<ISRepSessionView>& view : views)
        SExceptionResult::Guard([&] { return view->SessionClose(); });
    m_views.clear();
    return S_OK;
}

HRESULT SRepSession::Discard() noexcept {
    return Close();
}

HRESULT SRepSession::CreateObject(const GUID& clsid, void** out, const GUID& riid, bool initialise) noexcept {
    return MakeObject(clsid, out, riid, nullptr, initialise);
}

HRESULT SRepSession::CreateModelObject(const GUID& clsid, void** out, const GUID& riid, int32_t position,
                                       bool initialise) noexcept {
    return MakeObject(clsid, out, riid, &position, initialise);
}

HRESULT SRepSession::MakeObject(const GUID& clsid, void** out, const GUID& riid, const int32_t* modelPosition,
                                bool initialise) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!m_open) return E_UNEXPECTED;
    return SExceptionResult::Guard([&]() -> HRESULT {
        SComWrap<ISRepObject> created;
        HRESULT hr = SRepRegistry::CreateObject(clsid, this, &created);
        if (FAILED(hr)) return hr;
        if (modelPosition) {
            hr = m_model->Insert(*modelPosition, created.Get());
            if (FAILED(hr)) {
                created->Delete();
                return hr;
            }
        }
        return SRepObjectMem::HandOutCreated(created.Get(), nullptr, initialise, riid, out);
    });
}

HRESULT SRepSession::Close() noexcept {
    if (!m_open) return S_FALSE;
    m_open = false;
    m_documentOpen = false;
    SComWrap<ISRepSession> keepAlive(this);
    // The views hold this session through their windows; they are let go with the document.
    std::vector<SComWrap<ISRepSessionView>> views = std::move(m_views);
    m_views.clear();
    views.clear();
    // Deleting the model's objects lets go of their references on the session.
    return m_model->DeleteAll();
}

HRESULT SRepSession::IsOpen() noexcept {
    return m_open ? S_OK : S_FALSE;
}

HRESULT SRepSession::GetObjects(ISRepClassCol** model) noexcept {
    if (!model) return E_POINTER;
    *model = m_model.Get();
    m_model->AddRef();
    return S_OK;
}

HRESULT SRepSession::GetRootObject(const GUID& riid, void** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    SRepObjectMem* root = m_model->At(0);
    if (!root) return S_FALSE;
    return root->QueryInterface(riid, out);
}
