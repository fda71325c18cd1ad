#pragma once
// The class library's dynamic array. Indices are 32-bit; every indexed access is checked and an
// index out of range throws SException instead of touching memory that is not the table's.
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/base/SException.h"

template <class T>
class STable {
public:
    STable() = default;
    // Room for `reserve` elements without reallocation (the class library's initial size).
    explicit STable(int32_t reserve) {
        if (reserve > 0) m_items.reserve(static_cast<size_t>(reserve));
    }

    int32_t GetSize() const { return static_cast<int32_t>(m_items.size()); }
    int32_t GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    int32_t GetUpperBound() const { return GetSize() - 1; }

    const T& GetAt(int32_t index) const { return m_items[Checked(index)]; }
    T& GetAt(int32_t index) { return m_items[Checked(index)]; }
    void SetAt(int32_t index, T value) { m_items[Checked(index)] = std::move(value); }
    const T& operator[](int32_t index) const { return GetAt(index); }
    T& operator[](int32_t index) { return GetAt(index); }

    // Appends and returns the new element's index.
    int32_t Add(T value) {
        m_items.push_back(std::move(value));
        return GetSize() - 1;
    }
    // Inserts `count` copies before `index`; `index` may be the size (appending).
    void InsertAt(int32_t index, const T& value, int32_t count = 1) {
        if (index < 0 || index > GetSize() || count < 0) throw SException("STable insertion out of range");
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
    }
    void RemoveAt(int32_t index, int32_t count = 1) {
        if (count < 0 || index < 0 || count > GetSize() - index) throw SException("STable removal out of range");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    // Grows with default elements or shrinks to `size`.
    void SetSize(int32_t size) {
        if (size < 0) throw SException("STable size negative");
        m_items.resize(static_cast<size_t>(size));
    }
    // Index of the first element equal to `value`, or -1.
    int32_t Find(const T& value) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == value) return static_cast<int32_t>(i);
        return -1;
    }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    size_t Checked(int32_t index) const {
        if (index < 0 || index >= GetSize()) throw SException("STable index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<T> m_items;
};
