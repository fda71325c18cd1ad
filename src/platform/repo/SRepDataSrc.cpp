#include "platform/repo/SRepDataSrc.h"

SComWrap<ISRepDataSrc> SRepDataSrc::Create(const std::vector<ISRepObject*>& objects) {
    auto* source = new SRepDataSrc();
    for (ISRepObject* object : objects) source->m_objects.emplace_back(object);
    return SComWrap<ISRepDataSrc>(source);
}

HRESULT SRepDataSrc::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISRepDataSrc::iid) return E_NOINTERFACE;
    *out = static_cast<ISRepDataSrc*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRepDataSrc::Release() {
    if (--m_refCount == 0) {
        delete this;
        return 0;
    }
    return m_refCount;
}

HRESULT SRepDataSrc::GetCount(int32_t* count) {
    if (!count) return E_POINTER;
    *count = static_cast<int32_t>(m_objects.size());
    return S_OK;
}

HRESULT SRepDataSrc::Item(int32_t position, ISRepObject** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (position < 0 || position >= static_cast<int32_t>(m_objects.size())) return E_INVALIDARG;
    *object = m_objects[position].Get();
    (*object)->AddRef();
    return S_OK;
}
