#include "platform/repo/SRepMetaDTD.h"

SRepMetaDTDClass* SRepMetaDTD::AddClass(const SRepMetaClass* metaClass, const SString& elementName, int32_t,
                                        int32_t) {
    if (!metaClass) return nullptr;
    auto named = m_byName.find(elementName);
    if (named != m_byName.end()) return named->second;
    m_classes.push_back(std::make_unique<SRepMetaDTDClass>(metaClass, elementName));
    SRepMetaDTDClass* entry = m_classes.back().get();
    m_byName.emplace(elementName, entry);
    m_byClass.emplace(metaClass, entry);
    return entry;
}

const SRepMetaDTDClass* SRepMetaDTD::FindClass(const SString& elementName) const {
    auto it = m_byName.find(elementName);
    return it == m_byName.end() ? nullptr : it->second;
}

const SRepMetaDTDClass* SRepMetaDTD::FindClassOf(const SRepMetaClass* metaClass) const {
    auto it = m_byClass.find(metaClass);
    return it == m_byClass.end() ? nullptr : it->second;
}
