#include "platform/repo/SRepDialogContext.h"

void SRepDialogContext::Track(ISRepObject* object, int32_t id) {
    if (!object) return;
    for (const Saved& saved : m_saved)
        if (saved.object.Get() == object && saved.id == id) return;
    SRepVariant before;
    if (FAILED(object->GetAttribute(id, &before))) return;
    m_saved.push_back({SComWrap<ISRepObject>(object), id, std::move(before)});
}

HRESULT SRepDialogContext::SetAttribute(ISRepObject* object, int32_t id, const SRepVariant& value) {
    if (!object) return E_POINTER;
    Track(object, id);
    return object->SetAttribute(id, value);
}

void SRepDialogContext::Commit() {
    m_saved.clear();
}

HRESULT SRepDialogContext::Rollback() {
    HRESULT first = S_OK;
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        const HRESULT hr = it->object->SetAttribute(it->id, it->value);
        if (FAILED(hr) && first == S_OK) first = hr;
    }
    m_saved.clear();
    return first;
}
