#pragma once
// The class library's ordered tree of (key, value) entries, the storage of SMap. The key order
// is given by a comparison object answering below zero, zero or above zero (the class library's
// convention); equal keys are the same entry. Walks go from GetMinimum by Successor, and a node
// stays valid while its entry is in the tree.
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <utility>

#include "platform/base/SException.h"

// The natural order of a key type, in the -1/0/1 form.
template <class K>
struct SCompareKeys {
    int operator()(const K& a, const K& b) const { return a < b ? -1 : (b < a ? 1 : 0); }
};

template <class K, class V, class Compare = SCompareKeys<K>>
class STree {
    struct Less {
        Compare compare;
        bool operator()(const K& a, const K& b) const { return compare(a, b) < 0; }
    };
    using Map = std::map<K, V, Less>;

public:
    // An entry of the tree, or empty (past the last entry, or not found).
    class Node {
    public:
        Node() = default;
        explicit operator bool() const { return m_owner != nullptr; }
        const K& GetKey() const { return Checked()->first; }
        V& GetValue() const { return Checked()->second; }
        friend bool operator==(const Node& a, const Node& b) {
            return a.m_owner == b.m_owner && (!a.m_owner || a.m_it == b.m_it);
        }

    private:
        friend class STree;
        Node(const STree* owner, typename Map::iterator it) : m_owner(owner), m_it(it) {}
        typename Map::iterator Checked() const {
            if (!m_owner) throw SException("STree empty node");
            return m_it;
        }
        const STree* m_owner = nullptr;
        typename Map::iterator m_it{};
    };

    STree() = default;
    explicit STree(Compare compare) : m_entries(Less{std::move(compare)}) {}
    // Nodes belong to one tree, so a copy is a new tree with nodes of its own.
    STree(const STree& other) : m_entries(other.m_entries) {}
    STree& operator=(const STree& other) {
        m_entries = other.m_entries;
        return *this;
    }

    int32_t GetCount() const { return static_cast<int32_t>(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }

    Node GetMinimum() const { return At(m_entries.begin()); }
    Node GetMaximum() const { return m_entries.empty() ? Node() : At(std::prev(m_entries.end())); }
    Node Successor(Node node) const { return At(std::next(Checked(node))); }
    Node Predecessor(Node node) const {
        auto it = Checked(node);
        return it == m_entries.begin() ? Node() : At(std::prev(it));
    }

    // The entry of `key`, or an empty node.
    Node GetEntry(const K& key) const { return At(m_entries.find(key)); }
    // The address of the value stored under `key`, or null when the key is absent.
    V* Lookup(const K& key) const {
        auto it = m_entries.find(key);
        // addressof: a value type may overload & (the smart interface pointer does).
        return it == m_entries.end() ? nullptr : std::addressof(it->second);
    }
    // Adds the entry when the key is absent; an entry already there is kept unchanged.
    // Answers the key's entry and whether it was added.
    std::pair<Node, bool> Insert(const K& key, V value) {
        auto [it, added] = m_entries.try_emplace(key, std::move(value));
        return {Node(this, it), added};
    }
    // The value slot of `key`, holding a default value when the key was absent.
    V& GetOrAdd(const K& key) { return m_entries.try_emplace(key).first->second; }
    bool Remove(const K& key) { return m_entries.erase(key) != 0; }
    // Removes the node's entry and answers its successor.
    Node Remove(Node node) { return At(m_entries.erase(Checked(node))); }
    void RemoveAll() { m_entries.clear(); }

private:
    Node At(typename Map::iterator it) const { return it == m_entries.end() ? Node() : Node(this, it); }
    typename Map::iterator Checked(Node node) const {
        if (node.m_owner != this) throw SException(node ? "STree node of another tree" : "STree empty node");
        return node.m_it;
    }

    // Mutable so that a const tree can still hand out nodes, which carry plain iterators.
    mutable Map m_entries;
};
