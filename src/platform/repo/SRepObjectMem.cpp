#include "platform/repo/SRepObjectMem.h"

#include <algorithm>

#include "platform/base/SExceptionResult.h"
#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepObjectAllocator.h"
#include "platform/repo/SRepObjectMap.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepVariant.h"

SRepObjectMem::SRepObjectMem() = default;

SRepObjectMem::SRepObjectMem(const SRepObjectMem& source) : m_session(source.m_session) {}

SRepObjectMem::~SRepObjectMem() {
    // Whatever still holds a collection of this object finds it empty from now on; the objects
    // it owned lose their owner and live on only if something else holds them.
    for (auto& [id, collection] : m_collections) collection->Detach();
    m_collections.clear();
    // A collection holds its objects with a reference, so none can hold this one any more; the
    // list is only emptied for safety.
    while (!m_containers.empty()) m_containers.back()->RemoveMember(this);
}

SRepObjectMem* SRepObjectMem::FromObject(ISRepObject* object) {
    return dynamic_cast<SRepObjectMem*>(object);
}

const SRepObjectMem* SRepObjectMem::FromObject(const ISRepObject* object) {
    return dynamic_cast<const SRepObjectMem*>(object);
}

void SRepObjectMem::SetCreationInfo(const GUID& clsid, SRepObjectAllocator* allocator, SModuleState* liveCounter) {
    m_clsid = clsid;
    m_allocator = allocator;
    m_liveCounter = liveCounter;
}

void SRepObjectMem::FinalDelete() {
    delete this;
}

// ---- IUnknown ----

HRESULT SRepObjectMem::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    void* face = InternalQueryInterface(riid);
    if (!face) return E_NOINTERFACE;
    ++m_refCount;
    *out = face;
    return S_OK;
}

void* SRepObjectMem::InternalQueryInterface(const GUID& riid) {
    // IUnknown always gives the same pointer, that of the repository object face.
    if (riid == IUnknown::iid) return static_cast<IUnknown*>(static_cast<ISRepObject*>(this));
    if (riid == ISRepObject::iid || riid == IID_ISRepObjectBase) return static_cast<ISRepObject*>(this);
    if (riid == ISRepDispatch::iid) return static_cast<ISRepDispatch*>(this);
    return nullptr;
}

uint32_t SRepObjectMem::AddRef() {
    return ++m_refCount;
}

uint32_t SRepObjectMem::Release() {
    if (--m_refCount == 0) {
        FinalDelete();
        return 0;
    }
    return m_refCount;
}

// ---- attribute protocol: the empty answers ----

HRESULT SRepObjectMem::GetAttribute(int32_t, SRepVariant* value) {
    return value ? DISP_E_MEMBERNOTFOUND : E_POINTER;
}

HRESULT SRepObjectMem::SetAttribute(int32_t, const SRepVariant&) {
    return DISP_E_MEMBERNOTFOUND;
}

bool SRepObjectMem::IsKindOf(const GUID&) const {
    return false;
}

bool SRepObjectMem::HasAttribute(int32_t) const {
    return false;
}

bool SRepObjectMem::HasCollection(int32_t) const {
    return false;
}

uint32_t SRepObjectMem::GetAttributeFlags(int32_t) const {
    return 0;
}

uint32_t SRepObjectMem::GetAttributeType(int32_t) const {
    return 0;
}

HRESULT SRepObjectMem::GetAttributeDefault(int32_t, SRepVariant* value) {
    return value ? DISP_E_MEMBERNOTFOUND : E_POINTER;
}

// ---- session, collections, object references ----

HRESULT SRepObjectMem::GetSession(ISRepSession** session) noexcept {
    if (!session) return E_POINTER;
    return m_session.CopyTo(session);
}

SRepClassCol* SRepObjectMem::FindOrCreateCollection(int32_t id) {
    auto it = m_collections.find(id);
    if (it != m_collections.end()) return it->second.Get();
    const auto kind = (id & SREP_INVERSE_BIT) ? SRepClassCol::Kind::Inverse : SRepClassCol::Kind::Forward;
    SComWrap<SRepClassCol>& slot = m_collections[id];
    slot = SRepClassCol::Create(this, id, kind);
    return slot.Get();
}

HRESULT SRepObjectMem::GetCollection(int32_t id, ISRepClassCol** collection) noexcept {
    if (!collection) return E_POINTER;
    *collection = nullptr;
    if (id == -1) return E_FAIL;
    if (!HasCollection(id)) return E_INVALIDARG;
    return SExceptionResult::Guard([&]() -> HRESULT {
        ISRepClassCol* face = FindOrCreateCollection(id);
        face->AddRef();
        *collection = face;
        return S_OK;
    });
}

HRESULT SRepObjectMem::GetObjectA(int32_t id, ISRepObject** object) noexcept {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (HasCollection(id)) {
        SComWrap<ISRepClassCol> collection;
        HRESULT hr = GetCollection(id, &collection);
        if (FAILED(hr)) return hr;
        collection->Item(0, object);
        return S_OK;
    }
    return SExceptionResult::Guard([&]() -> HRESULT {
        SRepVariant value;
        HRESULT hr = GetAttribute(id, &value);
        if (FAILED(hr)) return hr;
        if (value.GetType() != SREP_VT_OBJECT) return DISP_E_TYPEMISMATCH;
        if (ISRepObject* held = value.GetIOBJECT()) {
            held->AddRef();
            *object = held;
        }
        return S_OK;
    });
}

HRESULT SRepObjectMem::SetObject(int32_t id, ISRepObject* object) noexcept {
    if (HasCollection(id)) {
        SComWrap<ISRepClassCol> collection;
        HRESULT hr = GetCollection(id, &collection);
        if (FAILED(hr)) return hr;
        // Check first, so that a refused object leaves the old one in place.
        if (object && !FromObject(object)) return E_INVALIDARG;
        hr = collection->ClearAll();
        if (FAILED(hr) || !object) return hr;
        return collection->Insert(0, object);
    }
    return SExceptionResult::Guard([&]() -> HRESULT {
        SRepVariant value;
        value.SetIOBJECT(object);
        return SetAttribute(id, value);
    });
}

// ---- creation, copy, deletion ----

HRESULT SRepObjectMem::CanCreateObject(const GUID& clsid, int32_t collectionId) {
    const SRepRegistry* registry = SRepRegistry::Find(clsid);
    if (!registry || !registry->IsCreatable()) return S_FALSE;
    if (collectionId == 0) return S_OK;
    if ((collectionId & SREP_INVERSE_BIT) || !HasCollection(collectionId)) return S_FALSE;
    return S_OK;
}

HRESULT SRepObjectMem::RunInitialisation(ISRepObject* created, ISRepObject* parent) {
    SComWrap<ISRepObjectInit> init;
    HRESULT hr = init.Assign(created);
    if (hr == E_NOINTERFACE) return S_OK;  // a class without initialisation
    if (FAILED(hr)) return hr;
    return init->InitObject(parent);
}

HRESULT SRepObjectMem::CreateObject(const GUID& clsid, void** out, const GUID& riid, int32_t collectionId,
                                    int32_t position, bool initialise) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT {
        HRESULT hr = CanCreateObject(clsid, collectionId);
        if (hr != S_OK) return FAILED(hr) ? hr : E_INVALIDARG;
        SComWrap<ISRepObject> created;
        hr = SRepRegistry::CreateObject(clsid, m_session.Get(), &created);
        if (FAILED(hr)) return hr;
        // Until it is handed out, a failure deletes the new object again: nothing half-made stays
        // in the collection.
        if (collectionId != 0) {
            SComWrap<ISRepClassCol> collection;
            hr = GetCollection(collectionId, &collection);
            if (SUCCEEDED(hr)) hr = collection->Insert(position, created.Get());
            if (FAILED(hr)) return hr;
        }
        return HandOutCreated(created.Get(), this, initialise, riid, out);
    });
}

HRESULT SRepObjectMem::HandOutCreated(ISRepObject* created, ISRepObject* parent, bool initialise, const GUID& riid,
                                      void** out) {
    HRESULT hr = initialise ? RunInitialisation(created, parent) : S_OK;
    if (SUCCEEDED(hr)) hr = created->QueryInterface(riid, out);
    if (FAILED(hr)) {
        created->Delete();
        return hr;
    }
    return S_OK;
}

HRESULT SRepObjectMem::Duplicate(ISRepSession* session, uint32_t flags, SRepObjectMap* map,
                                 ISRepObject** copy) noexcept {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT {
        // A copy takes its sources' content as it is: no insertion hook may add to it.
        SRepCascadeGuard noCascade;
        SRepObjectMap own;
        SRepObjectMap& pairs = map ? *map : own;
        const int32_t first = pairs.GetCount();
        SComWrap<ISRepObject> result;
        HRESULT hr = DuplicateInto(session, flags, pairs, result);
        if (FAILED(hr)) return hr;
        // A copy that gathers an object which was copied as well gathers the copy instead, so
        // that the copied tree refers to itself and not to its source.
        for (int32_t i = first; i < pairs.GetCount(); ++i) {
            SRepObjectMem* made = FromObject(pairs.GetCopyAt(i));
            for (auto& [id, collection] : made->m_collections) {
                for (int32_t pos = 0; pos < collection->Count(); ++pos) {
                    SRepObjectMem* element = collection->At(pos);
                    if (collection->Owns(element)) continue;
                    SRepObjectMem* mapped = FromObject(pairs.Find(element));
                    if (!mapped || mapped == element || collection->Find(mapped) >= 0) continue;
                    collection->RemoveMember(element);
                    hr = collection->InsertObject(pos, mapped, false);
                    if (FAILED(hr)) return hr;
                }
            }
        }
        *copy = result.Detach();
        return S_OK;
    });
}

HRESULT SRepObjectMem::DuplicateInto(ISRepSession* session, uint32_t flags, SRepObjectMap& map,
                                     SComWrap<ISRepObject>& copy) {
    const SRepRegistry* registry = SRepRegistry::Find(m_clsid);
    if (!registry) return E_UNEXPECTED;
    SRepObjectMem* made = nullptr;
    HRESULT hr = registry->CreateInstance(&made, session, this);
    if (FAILED(hr)) return hr;
    if (!made) return E_UNEXPECTED;
    copy.Attach(made);
    map.Add(this, made);
    if (!(flags & SREP_DUPLICATE_DEEP)) return S_OK;
    for (auto& [id, collection] : m_collections) {
        if (collection->GetKind() != SRepClassCol::Kind::Forward) continue;
        SRepClassCol* target = made->FindOrCreateCollection(id);
        for (int32_t pos = 0; pos < collection->Count(); ++pos) {
            SRepObjectMem* element = collection->At(pos);
            if (collection->Owns(element)) {
                SComWrap<ISRepObject> elementCopy;
                hr = element->DuplicateInto(session, flags, map, elementCopy);
                if (SUCCEEDED(hr)) hr = target->InsertObject(-1, FromObject(elementCopy.Get()), true);
            } else {
                hr = target->InsertObject(-1, element, false);
            }
            if (FAILED(hr)) return hr;
        }
    }
    return S_OK;
}

HRESULT SRepObjectMem::Delete() noexcept {
    if (m_deleted) return S_FALSE;
    m_deleted = true;
    SComWrap<ISRepObject> keepAlive(this);
    return SExceptionResult::Guard([&]() -> HRESULT {
        NotifySinks(SREP_NOTIFY_DELETE, 0);
        while (!m_containers.empty()) m_containers.back()->RemoveMember(this);
        // What it owns goes with it; what it only gathers is let go.
        std::vector<SComWrap<SRepClassCol>> collections;
        for (auto& [id, collection] : m_collections)
            if (collection->GetKind() == SRepClassCol::Kind::Forward) collections.push_back(collection);
        for (auto& collection : collections) collection->DeleteAll();
        return S_OK;
    });
}

// ---- notifications ----

HRESULT SRepObjectMem::Advise(uint32_t mask, ISRepObjSink* sink) noexcept {
    if (!sink) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        m_sinks.emplace_back(mask, SComWrap<ISRepObjSink>(sink));
        return S_OK;
    });
}

HRESULT SRepObjectMem::Unadvise(ISRepObjSink* sink) noexcept {
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->second.Get() == sink) {
            m_sinks.erase(it);
            return S_OK;
        }
    }
    return S_FALSE;
}

void SRepObjectMem::NotifySinks(uint32_t kind, int32_t id) {
    // From the last to the first, so that a sink that withdraws while it is told skips no other.
    for (size_t i = m_sinks.size(); i-- > 0;) {
        if (i >= m_sinks.size()) continue;
        const uint32_t mask = m_sinks[i].first;
        if (!(mask & kind)) continue;
        SComWrap<ISRepObjSink> sink = m_sinks[i].second;
        SExceptionResult::Guard([&]() -> HRESULT {
            if (kind == SREP_NOTIFY_DELETE) return sink->OnDelete(this, id);
            if (kind == SREP_NOTIFY_FLUSH) return sink->OnFlush(this);
            return sink->OnChange(this, id);
        });
    }
}

HRESULT SRepObjectMem::PostSetAttribute(int32_t id) {
    return OnUpdateAttribute(id);
}

HRESULT SRepObjectMem::OnUpdateAttribute(int32_t id) {
    NotifySinks(SREP_NOTIFY_CHANGE, id);
    return S_OK;
}

HRESULT SRepObjectMem::OnCollectionChange(int32_t id, ISRepObject*) {
    NotifySinks(SREP_NOTIFY_CHANGE, id);
    return S_OK;
}

HRESULT SRepObjectMem::OnCollectionInsert(int32_t, ISRepObject*, int32_t) {
    return S_OK;
}

// ---- dispatch face ----

HRESULT SRepObjectMem::GetTypeInfoCount(uint32_t* count) noexcept {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT SRepObjectMem::GetTypeInfo(uint32_t, uint32_t, void** typeInfo) noexcept {
    if (typeInfo) *typeInfo = nullptr;
    return E_NOTIMPL;
}

HRESULT SRepObjectMem::GetIDsOfNames(const GUID&, const char16_t* const*, uint32_t, uint32_t, int32_t*) noexcept {
    return E_NOTIMPL;
}

HRESULT SRepObjectMem::Invoke(int32_t, const GUID&, uint32_t, uint16_t, void*, void*, void*, uint32_t*) noexcept {
    return E_NOTIMPL;
}

HRESULT SRepObjectMem::LockObject() noexcept {
    ++m_lockCount;
    return S_OK;
}

HRESULT SRepObjectMem::UnlockObject() noexcept {
    if (m_lockCount == 0) return S_FALSE;
    --m_lockCount;
    return S_OK;
}

HRESULT SRepObjectMem::IsObjectLocked() noexcept {
    return m_lockCount > 0 ? S_OK : S_FALSE;
}
