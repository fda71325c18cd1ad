#include "platform/repo/SRepMetaDTDClass.h"

bool SRepMetaDTDClass::BindAttribute(const SRepMetaAttribute* attribute, const SString& elementName) {
    if (!attribute) return false;
    m_attributes.emplace(elementName, attribute);
    return true;
}

bool SRepMetaDTDClass::BindCollection(const SRepMetaCollection* collection, const SString& elementName) {
    if (!collection) return false;
    m_collections.emplace(elementName, collection);
    return true;
}

const SRepMetaAttribute* SRepMetaDTDClass::FindAttribute(const SString& elementName) const {
    auto it = m_attributes.find(elementName);
    return it == m_attributes.end() ? nullptr : it->second;
}

const SRepMetaCollection* SRepMetaDTDClass::FindCollection(const SString& elementName) const {
    auto it = m_collections.find(elementName);
    return it == m_collections.end() ? nullptr : it->second;
}
