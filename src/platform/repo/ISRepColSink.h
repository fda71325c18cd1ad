#pragma once
// What an advised party (an iterator, a browser) hears about one collection: each element that
// comes in or goes out, with its position. The collection catches what a sink throws: the change
// has happened either way.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;
struct ISRepClassCol;

struct ISRepColSink : IUnknown {
    static constexpr GUID iid = IID_ISRepClassColSink;
    virtual HRESULT OnInsert(ISRepClassCol* collection, int32_t position, ISRepObject* object) = 0;
    virtual HRESULT OnRemove(ISRepClassCol* collection, int32_t position, ISRepObject* object) = 0;

protected:
    ~ISRepColSink() = default;
};
