// Arbitrary bytes as a module's type-library resource: the reader must refuse what does not parse
// without crashing or allocating beyond the input, pointing inside the input where it went wrong,
// and whatever a registration accepts must answer its look-ups through the base chains the
// manager bound.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepTypeLibReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<SRepTypeLib> read;
    const SReadResult result = SRepTypeLibReader(data, size).Read(read);
    if (FAILED(result.code)) {
        if (read || result.offset > size) __builtin_trap();  // a refusal keeps nothing, points inside
        return 0;
    }

    SModuleState module;
    module.AddResource("METADATA", 1000, data, size);
    SRepTypeLibManager manager;
    if (manager.RegisterTypeLibResource(&module, 1000, 0, "METADATA") != S_OK) return 0;
    const SRepTypeLib* library = manager.FindTypeLib(read->GetLibraryId());
    if (!library) __builtin_trap();  // accepted but not registered
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& metaClass = library->GetClass(i);
        if (manager.FindMetaClass(metaClass.GetClassId()) != &metaClass) __builtin_trap();
        (void)metaClass.IsKindOf(CLSID_SRepObjectBase);
        for (const SRepMetaAttribute& a : metaClass.GetAttributes()) {
            (void)metaClass.FindAttributeByName(a.GetCodeName());
            (void)metaClass.GetAttributeType(a.GetId());
        }
        for (const SRepMetaCollection& c : metaClass.GetCollections()) (void)manager.FindMetaClass(c.GetElementClassId());
        for (const SRepMetaMethod& m : metaClass.GetMethods()) (void)metaClass.FindMethod(m.GetId());
    }
    return 0;
}
