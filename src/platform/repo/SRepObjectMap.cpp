#include "platform/repo/SRepObjectMap.h"

void SRepObjectMap::Add(const ISRepObject* source, ISRepObject* copy) {
    m_order.reserve(m_order.size() + 1);
    auto [it, added] = m_copies.try_emplace(source);
    it->second.Reset(copy);
    if (added) m_order.push_back(source);
}

ISRepObject* SRepObjectMap::Find(const ISRepObject* source) const {
    auto it = m_copies.find(source);
    return it == m_copies.end() ? nullptr : it->second.Get();
}
