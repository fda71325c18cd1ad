#pragma once
// A growable array of interface pointers, each holding a reference of the array's own, in the
// class library's form: a capacity, a growth word, a count and the storage. When the count
// reaches the capacity, a capacity of 0 becomes the initial size; otherwise the capacity grows
// by the growth word when it is at least 1, else by the ratio that its two 16-bit halves give
// (numerator in the low half, denominator in the high half), but by at least one. The elements
// move to the new storage and the old storage is freed. A failed allocation throws
// SEOutOfMemory.
#include <cstdint>
#include <memory>
#include <new>

#include "platform/base/SEOutOfMemory.h"
#include "platform/gdi/MulDiv.h"

template <class I>
class SRptGrowTable {
public:
    SRptGrowTable(int32_t initialSize, int32_t growBy) : m_initialSize(initialSize), m_growBy(growBy) {}
    ~SRptGrowTable() { RemoveAll(); }
    SRptGrowTable(const SRptGrowTable&) = delete;
    SRptGrowTable& operator=(const SRptGrowTable&) = delete;

    int32_t GetCount() const { return m_count; }
    int32_t GetCapacity() const { return m_capacity; }
    // The element at an index, without a reference of the caller's; null outside the array.
    I* GetAt(int32_t index) const { return index >= 0 && index < m_count ? m_storage[index] : nullptr; }

    // Appends with a reference.
    void Add(I* element) {
        if (m_count == m_capacity) Grow();
        m_storage[m_count++] = element;
        if (element) element->AddRef();
    }
    // Releases the element at an index and closes the gap.
    void RemoveAt(int32_t index) {
        if (index < 0 || index >= m_count) return;
        I* element = m_storage[index];
        for (int32_t i = index; i + 1 < m_count; ++i) m_storage[i] = m_storage[i + 1];
        m_storage[--m_count] = nullptr;
        if (element) element->Release();
    }
    // Releases every element in order; the storage stays. Each is taken out before it is
    // released, so that what a release sets off never meets an element that is gone.
    void ReleaseAll() {
        while (m_count > 0) RemoveAt(0);
    }
    // Releases every element in order and frees the storage.
    void RemoveAll() {
        ReleaseAll();
        m_storage.reset();
        m_capacity = 0;
    }

private:
    void Grow() {
        int32_t capacity = m_initialSize;
        if (m_capacity != 0) {
            if (m_growBy >= 1) {
                capacity = m_capacity + m_growBy;
            } else {
                const auto word = static_cast<uint32_t>(m_growBy);
                capacity = MulDiv(m_capacity, static_cast<int32_t>(word & 0xFFFFu), static_cast<int32_t>(word >> 16));
                if (capacity < m_capacity + 1) capacity = m_capacity + 1;
            }
        }
        if (capacity < 1) capacity = 1;
        std::unique_ptr<I*[]> storage(new (std::nothrow) I*[static_cast<size_t>(capacity)]());
        if (!storage) throw SEOutOfMemory();
        for (int32_t i = 0; i < m_count; ++i) storage[i] = m_storage[i];
        m_storage = std::move(storage);
        m_capacity = capacity;
    }

    int32_t m_initialSize;
    int32_t m_growBy;
    int32_t m_capacity = 0;
    int32_t m_count = 0;
    std::unique_ptr<I*[]> m_storage;
};
