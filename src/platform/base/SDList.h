#pragma once
// The class library's doubly-linked list, walked by positions:
//     for (auto pos = list.GetHeadPosition(); pos;) Use(list.GetNext(pos));
// A position stays valid while its element is in the list, whatever else is added or removed.
// An empty position (the end of a walk) or a position of another list is refused with SException.
#include <cstdint>
#include <list>
#include <utility>

#include "platform/base/SException.h"

template <class T>
class SDList {
    using List = std::list<T>;

public:
    class Position {
    public:
        Position() = default;
        explicit operator bool() const { return m_owner != nullptr; }
        friend bool operator==(const Position& a, const Position& b) {
            return a.m_owner == b.m_owner && (!a.m_owner || a.m_it == b.m_it);
        }

    private:
        friend class SDList;
        Position(const SDList* owner, typename List::iterator it) : m_owner(owner), m_it(it) {}
        const SDList* m_owner = nullptr;
        typename List::iterator m_it{};
    };

    SDList() = default;
    // Positions belong to one list, so a copy is a new list with positions of its own.
    SDList(const SDList& other) : m_items(other.m_items) {}
    SDList& operator=(const SDList& other) {
        m_items = other.m_items;
        return *this;
    }

    int32_t GetCount() const { return static_cast<int32_t>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    Position AddHead(T value) { return Insert(m_items.begin(), std::move(value)); }
    Position AddTail(T value) { return Insert(m_items.end(), std::move(value)); }
    // An empty position inserts at the head (before) or at the tail (after).
    Position InsertBefore(Position pos, T value) {
        return Insert(pos ? Checked(pos) : m_items.begin(), std::move(value));
    }
    Position InsertAfter(Position pos, T value) {
        return Insert(pos ? std::next(Checked(pos)) : m_items.end(), std::move(value));
    }

    Position GetHeadPosition() const { return At(m_items.begin()); }
    Position GetTailPosition() const { return m_items.empty() ? Position() : At(std::prev(m_items.end())); }
    T& GetHead() { return GetAt(GetHeadPosition()); }
    T& GetTail() { return GetAt(GetTailPosition()); }

    // The element at `pos`; `pos` moves to the next (previous) element, empty past the end.
    T& GetNext(Position& pos) {
        auto it = Checked(pos);
        pos = At(std::next(it));
        return *it;
    }
    T& GetPrev(Position& pos) {
        auto it = Checked(pos);
        pos = it == m_items.begin() ? Position() : At(std::prev(it));
        return *it;
    }
    T& GetAt(Position pos) { return *Checked(pos); }
    const T& GetAt(Position pos) const { return *Checked(pos); }
    void SetAt(Position pos, T value) { *Checked(pos) = std::move(value); }

    void RemoveAt(Position pos) { m_items.erase(Checked(pos)); }
    T RemoveHead() { return Take(GetHeadPosition()); }
    T RemoveTail() { return Take(GetTailPosition()); }
    void RemoveAll() { m_items.clear(); }

    // The first element equal to `value` after `startAfter` (from the head when empty).
    Position Find(const T& value, Position startAfter = Position()) const {
        auto it = startAfter ? std::next(Checked(startAfter)) : m_items.begin();
        for (; it != m_items.end(); ++it)
            if (*it == value) return At(it);
        return Position();
    }
    // The position of the element at `index` counted from the head, or empty.
    Position FindIndex(int32_t index) const {
        if (index < 0 || index >= GetCount()) return Position();
        return At(std::next(m_items.begin(), index));
    }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }

private:
    Position At(typename List::iterator it) const {
        return it == m_items.end() ? Position() : Position(this, it);
    }
    Position Insert(typename List::iterator where, T value) {
        return Position(this, m_items.insert(where, std::move(value)));
    }
    typename List::iterator Checked(Position pos) const {
        if (pos.m_owner != this) throw SException(pos ? "SDList position of another list" : "SDList empty position");
        return pos.m_it;
    }
    T Take(Position pos) {
        auto it = Checked(pos);
        T value = std::move(*it);
        m_items.erase(it);
        return value;
    }

    // Mutable so that a const list can still hand out positions, which carry plain iterators.
    mutable List m_items;
};
