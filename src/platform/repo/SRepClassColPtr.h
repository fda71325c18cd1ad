#pragma once
// A collection held for use inside the library: the operations of ISRepClassCol with their
// failures thrown as SECOMException (an empty pointer throws E_POINTER).
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepObject.h"

class SRepClassColPtr {
public:
    SRepClassColPtr() = default;
    // Takes a reference of its own.
    explicit SRepClassColPtr(ISRepClassCol* collection) : m_collection(collection) {}
    // The collection `id` of an object.
    SRepClassColPtr(ISRepObject* object, int32_t id);

    ISRepClassCol* Get() const { return m_collection.Get(); }
    ISRepClassCol* operator->() const { return m_collection.operator->(); }
    explicit operator bool() const { return static_cast<bool>(m_collection); }
    bool IsEmpty() const { return m_collection.IsEmpty(); }

    int32_t GetCount() const;
    // The object at a position; empty outside the collection.
    SComWrap<ISRepObject> Item(int32_t position) const;
    // The position of an object; -1 when it is not in the collection.
    int32_t GetPos(ISRepObject* object) const;
    void Insert(int32_t position, ISRepObject* object) const;
    void Remove(int32_t position) const;
    void DeleteAll() const;
    void ClearAll() const;

private:
    SComWrap<ISRepClassCol> m_collection;
};
