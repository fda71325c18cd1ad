#pragma once
// The repository framework's type-library manager: modules register their metamodel resource with
// it, and from then on it answers the metaclass of a class GUID or name. The framework's own
// classes (the root, the object base with the attributes every object has, and the
// external-session class) are registered when it is built, so that a library can name them as
// bases and element classes. A library registers once; its metaclasses live as long as the
// manager, which is never the case for a failed registration: that registers nothing at all.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepTypeLib.h"

// One call of RegisterTypeLibResource as it was made, with its result.
struct SRepTypeLibRegistration {
    SModuleState* moduleState = nullptr;
    uint32_t resourceId = 0;
    int32_t language = 0;
    SString resourceType;
    HRESULT result = S_OK;
    // For bytes that did not read: the offset of the first record or field that went wrong.
    uint64_t errorOffset = 0;
};

class SRepTypeLibManager {
public:
    // The framework's own type library, which holds the root of every repository class
    // (CLSID_SRepObject), the object base class on it (CLSID_SRepObjectBase) and the
    // external-session class (CLSID_SRepSessionExtern).
    static constexpr GUID kRepositoryLibraryId = MakeGUID("{2B975AA0-A490-11D1-A8B7-006097355D43}");

    SRepTypeLibManager();
    SRepTypeLibManager(const SRepTypeLibManager&) = delete;
    SRepTypeLibManager& operator=(const SRepTypeLibManager&) = delete;

    // Registers the type library held as resource (type, id) in the module state's resource
    // table. S_OK; S_FALSE when that library is registered already; E_INVALIDARG without a module
    // state or type, E_FAIL when the resource is missing or its classes cannot be bound (a base
    // that is not registered or whose name and GUID disagree, a chain of bases that loops, a class
    // GUID or name that is taken), E_IOFAILURE when the bytes do not parse exactly or are more
    // than SRepTypeLibReader::kMaxTypeLibSize (16 MiB). Every call is recorded. The time taken
    // grows in proportion to the library's size.
    virtual HRESULT RegisterTypeLibResource(SModuleState* moduleState, uint32_t resourceId, int32_t language,
                                            const char* resourceType);
    virtual ~SRepTypeLibManager();

    // Registers a type library from its bytes, with the results above.
    HRESULT RegisterTypeLib(const uint8_t* data, size_t size);

    // The metaclass of a class GUID: S_OK with it, S_FALSE with null when no library declares
    // the class, E_POINTER for a null out-pointer.
    virtual HRESULT FindMetaClass(const GUID& classId, const SRepMetaClass** metaClass) const;
    const SRepMetaClass* FindMetaClass(const GUID& classId) const;
    // By qualified name ("Rpt::SRptPara") or by code name alone (the first registered class of
    // that name); null when there is none.
    const SRepMetaClass* FindMetaClassByName(const SString& name) const;
    const SRepTypeLib* FindTypeLib(const GUID& libraryId) const;

    const std::vector<SRepTypeLibRegistration>& GetRegistrations() const { return m_registrations; }
    void ClearRegistrations() { m_registrations.clear(); }

private:
    using ClassesById = std::unordered_map<GUID, const SRepMetaClass*>;

    HRESULT LoadAndRegister(SModuleState* moduleState, uint32_t resourceId, const char* resourceType,
                            uint64_t* errorOffset);
    HRESULT ReadAndRegister(const uint8_t* data, size_t size, uint64_t* errorOffset);
    HRESULT Register(std::unique_ptr<SRepTypeLib> library);
    HRESULT BindBases(SRepTypeLib& library, const ClassesById& ownClasses) const;
    static bool HasBaseCycle(const SRepTypeLib& library);
    void Commit(std::unique_ptr<SRepTypeLib> library);
    void RegisterRepositoryLibrary();

    std::vector<std::unique_ptr<SRepTypeLib>> m_libraries;
    ClassesById m_classesById;
    std::unordered_map<SString, const SRepMetaClass*> m_classesByQualifiedName;
    std::unordered_map<SString, const SRepMetaClass*> m_classesByCodeName;  // the first registered
    std::vector<SRepTypeLibRegistration> m_registrations;
};

// The process's type-library manager.
SRepTypeLibManager* GetTypeLibManager();
