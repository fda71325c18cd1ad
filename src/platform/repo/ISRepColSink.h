#pragma once
// What an advised party (an iterator, a browser) hears about one collection: each element that
// comes in or goes out, with its position. The collection catches what a sink throws: the change
// has happened either way.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISRepObject;
struct ISRepClassCol;

struct ISRepColSink : IUnknown {
    static constexpr GUID iid = MakeGUID("{402EE6B8-EDEB-4308-A638-29BF87469D5C}");
    virtual HRESULT OnInsert(ISRepClassCol* collection, int32_t position, ISRepObject* object) = 0;
    virtual HRESULT OnRemove(ISRepClassCol* collection, int32_t position, ISRepObject* object) = 0;

protected:
    ~ISRepColSink() = default;
};
