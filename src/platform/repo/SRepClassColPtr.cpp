#include "platform/repo/SRepClassColPtr.h"

#include "platform/com/SComThrow.h"

namespace {
void Check(HRESULT hr) {
    if (FAILED(hr)) SComThrow(hr);
}
}  // namespace

SRepClassColPtr::SRepClassColPtr(ISRepObject* object, int32_t id) {
    if (!object) SComThrow(E_POINTER);
    Check(object->GetCollection(id, &m_collection));
}

int32_t SRepClassColPtr::GetCount() const {
    int32_t count = 0;
    Check(m_collection->GetCount(&count));
    return count;
}

SComWrap<ISRepObject> SRepClassColPtr::Item(int32_t position) const {
    SComWrap<ISRepObject> object;
    Check(m_collection->Item(position, &object));
    return object;
}

int32_t SRepClassColPtr::GetPos(ISRepObject* object) const {
    int32_t position = -1;
    Check(m_collection->GetPos(object, &position));
    return position;
}

void SRepClassColPtr::Insert(int32_t position, ISRepObject* object) const {
    Check(m_collection->Insert(position, object));
}

void SRepClassColPtr::Remove(int32_t position) const {
    Check(m_collection->Remove(position));
}

void SRepClassColPtr::DeleteAll() const {
    Check(m_collection->DeleteAll());
}

void SRepClassColPtr::ClearAll() const {
    Check(m_collection->ClearAll());
}
