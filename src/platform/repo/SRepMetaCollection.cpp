#include "platform/repo/SRepMetaCollection.h"

#include "platform/repo/SRepTypeLibFormat.h"

SRepMetaCollection::SRepMetaCollection(Record record)
    : SRepMetaMember(std::move(record.codeName), std::move(record.displayName), record.id),
      m_w(record.w),
      m_stringId(record.stringId),
      m_kindWord(record.kindWord),
      m_flags(record.flags),
      m_endWord(record.endWord),
      m_elementClass(record.elementClass) {}

bool SRepMetaCollection::IsInverseEnd() const {
    return (m_kindWord & SRepTypeLibFormat::kCollectionInverseKind) != 0;
}

uint32_t SRepMetaCollection::GetOwningId() const {
    return GetId() & ~SRepTypeLibFormat::kInverseIdBit;
}

uint32_t SRepMetaCollection::GetInverseId() const {
    return GetId() | SRepTypeLibFormat::kInverseIdBit;
}

const GUID& SRepMetaCollection::GetElementClassId() const {
    return m_elementClass ? *m_elementClass : GUID_NULL;
}
