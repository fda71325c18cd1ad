#pragma once
// Interfaces of report objects keyed by a 32-bit number, in ascending order; each stored
// interface is held with a reference of the map's own. The table helpers keep their grid rows'
// row definitions in one.
#include <cstdint>

#include "platform/base/STree.h"
#include "platform/com/SComWrap.h"

template <class I>
class SRptItemMap {
public:
    using Tree = STree<int32_t, SComWrap<I>>;
    using Node = typename Tree::Node;

    // Stores the interface (null is allowed) under the key, replacing what was there.
    void SetAt(int32_t key, I* value) { m_items.GetOrAdd(key).Reset(value); }
    // The interface under the key, null when none; the map keeps the reference. An absent key is
    // added with a null value, as the class library's map look-up does.
    I* GetAt(int32_t key) { return m_items.GetOrAdd(key).Get(); }
    // The interface under the key, null when none; nothing is added.
    I* Lookup(int32_t key) const {
        const SComWrap<I>* found = m_items.Lookup(key);
        return found ? found->Get() : nullptr;
    }

    int32_t GetCount() const { return m_items.GetCount(); }
    void RemoveAll() { m_items.RemoveAll(); }

    // A walk in key order: GetFirst, then GetNext until the node is empty.
    Node GetFirst() const { return m_items.GetMinimum(); }
    Node GetNext(Node node) const { return m_items.Successor(node); }

private:
    Tree m_items;
};
