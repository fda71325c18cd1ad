#pragma once
// Interfaces of report objects keyed by a 32-bit number; each stored interface is held with a
// reference of the map's own. The table helpers keep their grid rows'
// row definitions in one.
#include <cstdint>

#include "platform/base/STree.h"
#include "platform/com/SComWrap.h"

template <class I>
class SRptItemMap {
public:
    using Tree = STree<int32_t, SComWrap<I>>;

    // Stores the interface (null is allowed) under the key, replacing what was there.
    void SetAt(int32_t key, I* value) { m_items.GetOrAdd(key).Reset(value); }
    // The interface under the key, null when none; the map keeps the reference. An absent key is
    // added with a null value, as the class library's map look-up does.
    I* GetAt(int32_t key) { return m_items.GetOrAdd(key).Get(); }

private:
    Tree m_items;
};
