#pragma once
// Class tests by GUID: of an object, and of a class through its registry.
#include <cstdint>

#include "platform/repo/ISRepObject.h"

// True when the object is of the class or of a class derived from it; false for a null object.
bool SRepIsKindOf(const ISRepObject* object, const GUID& clsid);
// True when the objects of the registered class have the collection.
bool SRepHasCollection(const GUID& clsid, int32_t id);
