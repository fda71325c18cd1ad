#include "platform/repo/SRepKindTests.h"

#include "platform/repo/SRepRegistry.h"

bool SRepIsKindOf(const ISRepObject* object, const GUID& clsid) {
    return object && object->IsKindOf(clsid);
}

bool SRepHasCollection(const GUID& clsid, int32_t id) {
    const SRepRegistry* registry = SRepRegistry::Find(clsid);
    return registry && registry->HasCollection(id);
}
