#pragma once
// An ordered table of interface pointers, each holding one reference.
#include <cstdint>
#include <vector>

#include "platform/com/IUnknown.h"
#include "platform/com/SComThrow.h"

template <class I>
class SComTable {
public:
    SComTable() = default;
    SComTable(const SComTable& other) : m_items(other.m_items) {
        for (I* p : m_items)
            if (p) p->AddRef();
    }
    SComTable& operator=(const SComTable& other) {
        if (this != &other) {
            SComTable copy(other);
            m_items.swap(copy.m_items);
        }
        return *this;
    }
    ~SComTable() { RemoveAll(); }

    int32_t GetSize() const { return static_cast<int32_t>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Appends with a reference of the table's own; returns the index.
    int32_t Add(I* p) {
        m_items.push_back(p);
        if (p) p->AddRef();
        return GetSize() - 1;
    }
    void InsertAt(int32_t index, I* p) {
        CheckIndex(index, true);
        m_items.insert(m_items.begin() + index, p);
        if (p) p->AddRef();
    }
    // The pointer at an index, without a reference of its own.
    I* GetAt(int32_t index) const {
        CheckIndex(index, false);
        return m_items[static_cast<size_t>(index)];
    }
    I* operator[](int32_t index) const { return GetAt(index); }
    void RemoveAt(int32_t index) {
        CheckIndex(index, false);
        I* p = m_items[static_cast<size_t>(index)];
        m_items.erase(m_items.begin() + index);
        if (p) p->Release();
    }
    void RemoveAll() {
        std::vector<I*> old;
        old.swap(m_items);
        for (I* p : old)
            if (p) p->Release();
    }
    int32_t Find(const I* p) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == p) return static_cast<int32_t>(i);
        return -1;
    }

private:
    void CheckIndex(int32_t index, bool endAllowed) const {
        int32_t limit = GetSize() + (endAllowed ? 1 : 0);
        if (index < 0 || index >= limit) SComThrow(E_INVALIDARG);
    }
    std::vector<I*> m_items;
};
