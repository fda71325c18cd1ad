#pragma once
// The initialisation face of a repository object: the framework calls it once on an object it has
// just created into a collection, with the object that holds the collection.
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;

struct ISRepObjectInit : IUnknown {
    static constexpr GUID iid = IID_ISRepObjectInit;
    // First call: runs the class's OnInitialize with `parent` (null allowed) and returns its result.
    // Every later call does nothing and returns S_FALSE. What OnInitialize throws becomes its code.
    virtual HRESULT InitObject(ISRepObject* parent) noexcept = 0;

protected:
    ~ISRepObjectInit() = default;
};
