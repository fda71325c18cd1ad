#include "platform/repo/SRepTypesArray.h"

#include "platform/com/SComThrow.h"

int32_t SRepTypesArray::Add(const SString& typeName, const SString& description, const SString& pattern,
                            const SString& extra, uint32_t flags) {
    m_types.push_back(SRepTypeRecord{typeName, description, pattern, extra, flags});
    return GetCount() - 1;
}

const SRepTypeRecord& SRepTypesArray::operator[](int32_t index) const {
    if (index < 0 || index >= GetCount()) SComThrow(E_INVALIDARG);
    return m_types[static_cast<size_t>(index)];
}

int32_t SRepTypesArray::FindSignature(const SString& typeName) const {
    if (typeName.IsEmpty()) return -1;
    return FindTypeName(typeName);
}

int32_t SRepTypesArray::FindTypeName(const SString& typeName) const {
    for (int32_t i = 0; i < GetCount(); ++i)
        if (m_types[static_cast<size_t>(i)].typeName == typeName) return i;
    return -1;
}
