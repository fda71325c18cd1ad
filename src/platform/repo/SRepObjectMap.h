#pragma once
// The pairs (source, copy) of a duplication, in the order the copies were made. The copies are
// held with a reference; the sources are only keys.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"

class SRepObjectMap {
public:
    void Add(const ISRepObject* source, ISRepObject* copy);
    // The copy of a source; null when it was not copied.
    ISRepObject* Find(const ISRepObject* source) const;
    int32_t GetCount() const { return static_cast<int32_t>(m_order.size()); }
    // The pair at an index, in the order of Add.
    const ISRepObject* GetSourceAt(int32_t index) const { return m_order[static_cast<size_t>(index)]; }
    ISRepObject* GetCopyAt(int32_t index) const { return Find(GetSourceAt(index)); }

private:
    std::map<const ISRepObject*, SComWrap<ISRepObject>> m_copies;
    std::vector<const ISRepObject*> m_order;
};
