#pragma once
// The class library's ordered map: keys in the order of a -1/0/1 comparison object (see STree),
// look-up, look-up-or-insert, removal, and walks in key order from the smallest key:
//     for (SMap<K, V>::Iterator it(map); !it.IsEnd(); it.Next()) Use(it.GetKey(), it.GetValue());
#include "platform/base/STree.h"

template <class K, class V, class Compare = SCompareKeys<K>>
class SMap : public STree<K, V, Compare> {
    using Tree = STree<K, V, Compare>;

public:
    using Node = typename Tree::Node;
    using Tree::Tree;
    using Tree::Lookup;

    // Copies the value of `key` into `value`; false (and `value` unchanged) when absent.
    bool Lookup(const K& key, V& value) const {
        const V* found = Tree::Lookup(key);
        if (!found) return false;
        value = *found;
        return true;
    }
    // The value slot of `key`, inserting a default value when the key is absent.
    V& operator[](const K& key) { return this->GetOrAdd(key); }
    // Stores `value` under `key`, replacing any value there.
    void SetAt(const K& key, V value) { this->GetOrAdd(key) = std::move(value); }
    bool RemoveKey(const K& key) { return this->Remove(key); }

    // A walk in key order.
    class Iterator {
    public:
        explicit Iterator(const SMap& map) : m_map(&map), m_node(map.GetMinimum()) {}
        bool IsEnd() const { return !m_node; }
        void Next() { m_node = m_map->Successor(m_node); }
        const K& GetKey() const { return m_node.GetKey(); }
        V& GetValue() const { return m_node.GetValue(); }

    private:
        const SMap* m_map;
        Node m_node;
    };
};
