#include "platform/repo/SRepMetaAttribute.h"

#include "platform/repo/SRepTypeLibFormat.h"

SRepMetaAttribute::SRepMetaAttribute(Record record)
    : SRepMetaMember(std::move(record.codeName), std::move(record.displayName), record.id),
      m_w(record.w),
      m_stringId(record.stringId),
      m_typeWord(record.typeWord),
      m_flags(record.flags),
      m_default(std::move(record.defaultValue)),
      m_objectReference(record.objectReference) {}

uint32_t SRepMetaAttribute::GetAttributeType() const {
    return (m_typeWord >> 8) | (m_objectReference ? SRepTypeLibFormat::kObjectReferenceType : 0u);
}

bool SRepMetaAttribute::IsComputed() const {
    return (m_flags & SRepTypeLibFormat::kAttributeComputed) != 0;
}
