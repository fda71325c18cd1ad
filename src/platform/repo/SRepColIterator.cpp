#include "platform/repo/SRepColIterator.h"

#include "platform/com/SComThrow.h"

SRepColIterator::SRepColIterator(ISRepObject* object, int32_t id) {
    if (!object) SComThrow(E_POINTER);
    HRESULT hr = object->GetCollection(id, &m_collection);
    if (FAILED(hr)) SComThrow(hr);
    Start();
}

SRepColIterator::SRepColIterator(ISRepClassCol* collection) : m_collection(collection) {
    if (!collection) SComThrow(E_POINTER);
    Start();
}

void SRepColIterator::Start() {
    HRESULT hr = m_collection->Advise(this);
    if (FAILED(hr)) SComThrow(hr);
    m_advised = true;
}

SRepColIterator::~SRepColIterator() {
    if (m_advised) m_collection->Unadvise(this);
}

HRESULT SRepColIterator::GetNext(ISRepObject** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    HRESULT hr = m_collection->Item(m_next, object);
    if (FAILED(hr)) return hr;
    if (hr == S_FALSE || !*object) return S_FALSE;
    ++m_next;
    return S_OK;
}

HRESULT SRepColIterator::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == ISRepColSink::iid || riid == IUnknown::iid) {
        *out = static_cast<ISRepColSink*>(this);
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT SRepColIterator::OnInsert(ISRepClassCol*, int32_t position, ISRepObject*) {
    // An element that comes in before the next one moves it one place on.
    if (position < m_next) ++m_next;
    return S_OK;
}

HRESULT SRepColIterator::OnRemove(ISRepClassCol*, int32_t position, ISRepObject*) {
    // The element handed out last (or any before it) going out moves the next one back a place.
    if (position < m_next) --m_next;
    return S_OK;
}
