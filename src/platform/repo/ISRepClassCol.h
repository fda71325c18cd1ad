#pragma once
// An ordered collection of repository objects, owned by one object and reached by its id.
// Positions count from 0. A collection owns the objects it takes in unless they are owned already
// elsewhere: then it holds a reference only (a collection that gathers). Inverse ends (the id with
// SREP_INVERSE_BIT) show the owner and cannot be changed directly.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;
struct ISRepColSink;

struct ISRepClassCol : IUnknown {
    static constexpr GUID iid = IID_ISRepClassCol;

    virtual HRESULT GetCount(int32_t* count) noexcept = 0;
    // The object at a position with a reference; S_FALSE and null outside the collection.
    virtual HRESULT Item(int32_t position, ISRepObject** object) noexcept = 0;
    // The position of an object; S_FALSE and -1 when it is not in the collection.
    virtual HRESULT GetPos(ISRepObject* object, int32_t* position) noexcept = 0;
    // Inserts at a position from 0 to the count; -1 appends.
    virtual HRESULT Insert(int32_t position, ISRepObject* object) noexcept = 0;
    // Takes the object at a position out without deleting it.
    virtual HRESULT Remove(int32_t position) noexcept = 0;
    // Deletes the objects the collection owns and takes the others out.
    virtual HRESULT DeleteAll() noexcept = 0;
    // Takes every object out without deleting any.
    virtual HRESULT ClearAll() noexcept = 0;
    virtual HRESULT Advise(ISRepColSink* sink) noexcept = 0;
    virtual HRESULT Unadvise(ISRepColSink* sink) noexcept = 0;
    // The object the collection belongs to (null for a session's model) and the collection's id.
    virtual HRESULT GetOwner(ISRepObject** owner) noexcept = 0;
    virtual int32_t GetCollectionID() = 0;

protected:
    ~ISRepClassCol() = default;
};
