#include "platform/repo/SRepClassCol.h"

#include <algorithm>

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepObjectMem.h"

SComWrap<SRepClassCol> SRepClassCol::Create(SRepObjectMem* owner, int32_t id, Kind kind) {
    SComWrap<SRepClassCol> collection;
    collection.Reset(new SRepClassCol(owner, id, kind));
    return collection;
}

SRepClassCol::~SRepClassCol() {
    // Only reached once the collection is empty or its owner has let it go; a model that is
    // still holding objects lets them go here.
    m_owner = nullptr;
    while (!m_entries.empty()) RemoveAt(Count() - 1, false);
}

// ---- the ordered list and its index ----

void SRepClassCol::AddEntry(int32_t position, Entry entry) {
    SRepObjectMem* mem = entry.mem;
    if (m_indexed) m_keys.emplace(mem, 0);
    try {
        if (position == 0 && m_head > 0)
            m_entries[--m_head] = std::move(entry);
        else
            m_entries.insert(m_entries.begin() + static_cast<ptrdiff_t>(m_head + static_cast<size_t>(position)),
                             std::move(entry));
    } catch (...) {
        if (m_indexed) m_keys.erase(mem);
        throw;
    }
    // An element put in front moves the first key, so that every other key still holds.
    if (position == 0) --m_firstKey;
    if (m_indexed) {
        m_keys.find(mem)->second = m_firstKey + position;
    } else if (static_cast<size_t>(Count()) >= kIndexFrom) {
        try {
            m_keys.reserve(static_cast<size_t>(Count()));
            for (int32_t i = 0; i < Count(); ++i) m_keys.emplace(At(i), m_firstKey + i);
            m_indexed = true;
        } catch (...) {
            // Without the index the list is searched through: slower, and as right.
            m_keys.clear();
        }
    }
}

SRepClassCol::Entry SRepClassCol::TakeEntry(int32_t position) {
    const size_t at = m_head + static_cast<size_t>(position);
    Entry entry = std::move(m_entries[at]);
    if (position == 0) {
        // The place is left as it is: taking the first element moves nothing else.
        ++m_head;
        ++m_firstKey;
    } else {
        m_entries.erase(m_entries.begin() + static_cast<ptrdiff_t>(at));
    }
    if (m_indexed) m_keys.erase(entry.mem);
    if (m_head == m_entries.size()) {
        m_entries.clear();
        m_head = 0;
        m_keys.clear();
        m_indexed = false;
    } else if (m_head >= kIndexFrom && 2 * m_head >= m_entries.size()) {
        // The places left at the front are given back once they are half of the list.
        m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<ptrdiff_t>(m_head));
        m_head = 0;
    }
    return entry;
}

HRESULT SRepClassCol::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == ISRepClassCol::iid || riid == IUnknown::iid) {
        *out = static_cast<ISRepClassCol*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

uint32_t SRepClassCol::AddRef() {
    return static_cast<uint32_t>(++m_refCount);
}

uint32_t SRepClassCol::Release() {
    if (--m_refCount == 0) {
        m_refCount = 0x7FFFFFFF;
        delete this;
        return 0;
    }
    return static_cast<uint32_t>(m_refCount);
}

// ---- reading ----

SRepObjectMem* SRepClassCol::InverseTarget() const {
    if (m_kind != Kind::Inverse || !m_owner) return nullptr;
    SRepObjectMem* target = m_owner->GetOwner();
    if (!target) return nullptr;
    if (m_id == SREP_COL_OWNER) return target;
    return m_owner->GetOwnerCollectionID() == (m_id & ~SREP_INVERSE_BIT) ? target : nullptr;
}

int32_t SRepClassCol::Count() const {
    if (m_kind == Kind::Inverse) return InverseTarget() ? 1 : 0;
    return static_cast<int32_t>(m_entries.size() - m_head);
}

SRepObjectMem* SRepClassCol::At(int32_t position) const {
    if (position < 0 || position >= Count()) return nullptr;
    if (m_kind == Kind::Inverse) return InverseTarget();
    return m_entries[m_head + static_cast<size_t>(position)].mem;
}

int32_t SRepClassCol::Find(const SRepObjectMem* object) const {
    if (!object) return -1;
    if (!m_indexed) {
        const int32_t count = Count();
        for (int32_t i = 0; i < count; ++i)
            if (At(i) == object) return i;
        return -1;
    }
    auto key = m_keys.find(object);
    if (key == m_keys.end()) return -1;
    int64_t position = key->second - m_firstKey;
    if (position < 0 || position >= Count() || At(static_cast<int32_t>(position)) != object) {
        Reindex();
        position = key->second - m_firstKey;
    }
    return static_cast<int32_t>(position);
}

bool SRepClassCol::Contains(const SRepObjectMem* object) const {
    if (m_indexed) return object && m_keys.count(object) > 0;
    return Find(object) >= 0;
}

void SRepClassCol::Reindex() const {
    // The index holds every element already: only the keys move, nothing is allocated.
    const int32_t count = Count();
    for (int32_t i = 0; i < count; ++i) m_keys.find(At(i))->second = m_firstKey + i;
}

bool SRepClassCol::Owns(const SRepObjectMem* element) const {
    if (!element) return false;
    switch (m_kind) {
        case Kind::Forward:
            return m_owner && element->GetOwner() == m_owner && element->GetOwnerCollectionID() == m_id;
        case Kind::Model: return element->GetOwner() == nullptr;
        case Kind::Inverse: return false;
    }
    return false;
}

HRESULT SRepClassCol::GetCount(int32_t* count) noexcept {
    if (!count) return E_POINTER;
    *count = Count();
    return S_OK;
}

HRESULT SRepClassCol::Item(int32_t position, ISRepObject** object) noexcept {
    if (!object) return E_POINTER;
    *object = nullptr;
    SRepObjectMem* element = At(position);
    if (!element) return S_FALSE;
    ISRepObject* face = element;
    face->AddRef();
    *object = face;
    return S_OK;
}

HRESULT SRepClassCol::GetPos(ISRepObject* object, int32_t* position) noexcept {
    if (!position) return E_POINTER;
    *position = Find(SRepObjectMem::FromObject(object));
    return *position >= 0 ? S_OK : S_FALSE;
}

HRESULT SRepClassCol::GetOwner(ISRepObject** owner) noexcept {
    if (!owner) return E_POINTER;
    *owner = nullptr;
    // An owner that is going away is not handed out: it would be held past its destruction.
    if (m_owner && !m_detached) {
        ISRepObject* face = m_owner;
        face->AddRef();
        *owner = face;
    }
    return S_OK;
}

// ---- changing ----

HRESULT SRepClassCol::CheckChangeable() const {
    if (m_kind == Kind::Inverse) return E_FAIL;  // an inverse end follows its forward collection
    if (m_detached) return E_UNEXPECTED;         // its owner is gone
    return S_OK;
}

HRESULT SRepClassCol::Insert(int32_t position, ISRepObject* object) noexcept {
    if (!object) return E_POINTER;
    SRepObjectMem* mem = SRepObjectMem::FromObject(object);
    if (!mem) return E_INVALIDARG;
    return InsertObject(position, mem, true);
}

HRESULT SRepClassCol::InsertObject(int32_t position, SRepObjectMem* object, bool mayOwn) {
    if (HRESULT hr = CheckChangeable(); FAILED(hr)) return hr;
    if (!object) return E_POINTER;
    if (object->IsDeleted()) return E_INVALIDARG;
    const int32_t count = Count();
    if (position == -1) position = count;
    if (position < 0 || position > count) return E_INVALIDARG;
    if (Contains(object)) return E_INVALIDARG;
    // An object may not come under itself or under anything it owns: the tree would own itself.
    for (const SRepObjectMem* above = m_owner; above; above = above->GetOwner())
        if (above == object) return E_INVALIDARG;

    // All the room first, so that nothing has changed when memory runs out.
    ISRepObject* face = object;
    HRESULT hr = SExceptionResult::Guard([&]() -> HRESULT {
        object->m_containers.reserve(object->m_containers.size() + 1);
        AddEntry(position, Entry{SComWrap<ISRepObject>(face), object});
        return S_OK;
    });
    if (FAILED(hr)) return hr;
    object->m_containers.push_back(this);
    if (mayOwn && m_kind == Kind::Forward && !object->m_owner) {
        object->m_owner = m_owner;
        object->m_ownerCollection = m_id;
    }
    NotifyInsert(position, face);
    if (m_owner) {
        // The owner's reaction is its own business: the object is in either way.
        SComWrap<ISRepObject> owner(m_owner);
        SExceptionResult::Guard([&] { return m_owner->OnCollectionInsert(m_id, face, position); });
        SExceptionResult::Guard([&] { return m_owner->OnCollectionChange(m_id, face); });
    }
    return S_OK;
}

void SRepClassCol::RemoveAt(int32_t position, bool tellOwner) {
    // The entry keeps the element alive until the owner and the sinks have heard of it.
    Entry entry = TakeEntry(position);
    SRepObjectMem* element = entry.mem;
    auto& containers = element->m_containers;
    auto it = std::find(containers.begin(), containers.end(), this);
    if (it != containers.end()) containers.erase(it);
    if (m_kind == Kind::Forward && m_owner && element->m_owner == m_owner && element->m_ownerCollection == m_id) {
        element->m_owner = nullptr;
        element->m_ownerCollection = 0;
    }
    NotifyRemove(position, entry.object.Get());
    if (tellOwner && m_owner) {
        SComWrap<ISRepObject> owner(m_owner);
        SExceptionResult::Guard([&] { return m_owner->OnCollectionChange(m_id, entry.object.Get()); });
    }
}

void SRepClassCol::RemoveMember(SRepObjectMem* object) {
    if (m_kind == Kind::Inverse) return;
    int32_t position = Find(object);
    if (position >= 0) RemoveAt(position, true);
}

HRESULT SRepClassCol::Remove(int32_t position) noexcept {
    if (HRESULT hr = CheckChangeable(); FAILED(hr)) return hr;
    if (position < 0 || position >= Count()) return E_INVALIDARG;
    SComWrap<SRepClassCol> keepAlive(this);
    RemoveAt(position, true);
    return S_OK;
}

HRESULT SRepClassCol::ClearAll() noexcept {
    if (HRESULT hr = CheckChangeable(); FAILED(hr)) return hr;
    SComWrap<SRepClassCol> keepAlive(this);
    while (!m_entries.empty()) RemoveAt(Count() - 1, true);
    return S_OK;
}

HRESULT SRepClassCol::DeleteAll() noexcept {
    if (HRESULT hr = CheckChangeable(); FAILED(hr)) return hr;
    SComWrap<SRepClassCol> keepAlive(this);
    return SExceptionResult::Guard([&]() -> HRESULT {
        while (Count() > 0) {
            SRepObjectMem* mem = At(0);
            SComWrap<ISRepObject> element(mem);
            // What the collection owns is deleted (and so leaves every collection); what it only
            // gathers stays alive where it is owned and just leaves this one.
            if (Owns(mem)) mem->Delete();
            if (At(0) == mem) RemoveAt(0, true);
        }
        return S_OK;
    });
}

void SRepClassCol::Detach() {
    m_detached = true;
    while (!m_entries.empty()) RemoveAt(Count() - 1, false);
    m_owner = nullptr;
}

// ---- notifications ----

HRESULT SRepClassCol::Advise(ISRepColSink* sink) noexcept {
    if (!sink) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        m_sinks.emplace_back(sink);
        return S_OK;
    });
}

HRESULT SRepClassCol::Unadvise(ISRepColSink* sink) noexcept {
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->Get() == sink) {
            m_sinks.erase(it);
            return S_OK;
        }
    }
    return S_FALSE;
}

// Sinks are told from the last to the first, so that one that withdraws while it hears of the
// change (as an iterator does when it ends) does not make the others be skipped.
void SRepClassCol::NotifyInsert(int32_t position, ISRepObject* object) {
    for (size_t i = m_sinks.size(); i-- > 0;) {
        if (i >= m_sinks.size()) continue;
        SComWrap<ISRepColSink> sink = m_sinks[i];
        SExceptionResult::Guard([&] { return sink->OnInsert(this, position, object); });
    }
}

void SRepClassCol::NotifyRemove(int32_t position, ISRepObject* object) {
    for (size_t i = m_sinks.size(); i-- > 0;) {
        if (i >= m_sinks.size()) continue;
        SComWrap<ISRepColSink> sink = m_sinks[i];
        SExceptionResult::Guard([&] { return sink->OnRemove(this, position, object); });
    }
}
