#include "platform/repo/SRepMetaMethod.h"

SRepMetaMethod::SRepMetaMethod(Record record)
    : SRepMetaMember(std::move(record.codeName), std::move(record.displayName), record.id),
      m_words{record.words[0], record.words[1], record.words[2]},
      m_returnTypeWord(record.returnTypeWord),
      m_kind(record.kind),
      m_returnTypeText(std::move(record.returnTypeText)),
      m_returnName(std::move(record.returnName)),
      m_parameters(std::move(record.parameters)) {}
