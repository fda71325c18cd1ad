#include "platform/repo/SRepTypeLibManager.h"

#include <new>

#include "platform/repo/SRepTypeLibFormat.h"
#include "platform/repo/SRepTypeLibReader.h"

SRepTypeLibManager::SRepTypeLibManager() {
    RegisterRepositoryLibrary();
}

SRepTypeLibManager::~SRepTypeLibManager() = default;

void SRepTypeLibManager::RegisterRepositoryLibrary() {
    auto library = std::make_unique<SRepTypeLib>("Rep", "Repository", kRepositoryLibraryId);
    SRepMetaClass::Record objectBase;
    objectBase.codeName = "SRepObjectBase";
    objectBase.displayName = "SRepObjectBase";
    objectBase.classId = CLSID_SRepObjectBase;
    library->AddClass(std::move(objectBase));
    SRepMetaClass::Record sessionExtern;
    sessionExtern.codeName = "SRepSessionExtern";
    sessionExtern.displayName = "SRepSessionExtern";
    sessionExtern.classId = CLSID_SRepSessionExtern;
    library->AddClass(std::move(sessionExtern));
    Commit(std::move(library));
}

HRESULT SRepTypeLibManager::RegisterTypeLibResource(SModuleState* moduleState, uint32_t resourceId,
                                                    int32_t language, const char* resourceType) {
    SRepTypeLibRegistration registration;
    registration.moduleState = moduleState;
    registration.resourceId = resourceId;
    registration.language = language;
    registration.resourceType = resourceType;
    // Resources here have no language versions: the one resource of that type and id is read.
    registration.result = LoadAndRegister(moduleState, resourceId, resourceType);
    try {
        m_registrations.push_back(registration);
    } catch (const std::bad_alloc&) {
        // The record is only a log; the registration itself stands.
    }
    return registration.result;
}

HRESULT SRepTypeLibManager::LoadAndRegister(SModuleState* moduleState, uint32_t resourceId,
                                            const char* resourceType) {
    if (!moduleState || !resourceType) return E_INVALIDARG;
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!moduleState->FindResource(resourceType, resourceId, &data, &size)) return E_FAIL;
    return RegisterTypeLib(data, size);
}

HRESULT SRepTypeLibManager::RegisterTypeLib(const uint8_t* data, size_t size) {
    try {
        std::unique_ptr<SRepTypeLib> library;
        HRESULT hr = SRepTypeLibReader(data, size).Read(library);
        if (FAILED(hr)) return hr;
        return Register(std::move(library));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT SRepTypeLibManager::Register(std::unique_ptr<SRepTypeLib> library) {
    if (FindTypeLib(library->GetLibraryId())) return S_FALSE;
    // Class GUIDs and qualified names must be new, to the manager and within the library.
    std::map<GUID, const SRepMetaClass*> ids;
    std::map<SString, const SRepMetaClass*> names;
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& metaClass = library->GetClass(i);
        SString name = metaClass.GetQualifiedName();
        if (m_classesById.count(metaClass.GetClassId()) || m_classesByQualifiedName.count(name)) return E_FAIL;
        if (!ids.emplace(metaClass.GetClassId(), &metaClass).second) return E_FAIL;
        if (!names.emplace(name, &metaClass).second) return E_FAIL;
    }
    HRESULT hr = BindBases(*library);
    if (FAILED(hr)) return hr;
    if (HasBaseCycle(*library)) return E_FAIL;
    Commit(std::move(library));
    return S_OK;
}

HRESULT SRepTypeLibManager::BindBases(SRepTypeLib& library) const {
    // A base may be a class of this library, before or after the class, or of one registered
    // earlier; the record names it twice, by qualified name and by GUID, and both must agree.
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        SRepMetaClass& metaClass = library.MutableClass(i);
        if (!metaClass.HasBase()) continue;
        const SRepMetaClass* base = FindMetaClass(metaClass.GetBaseClassId());
        for (int32_t j = 0; !base && j < library.GetClassCount(); ++j)
            if (library.GetClass(j).GetClassId() == metaClass.GetBaseClassId()) base = &library.GetClass(j);
        if (!base || base->GetQualifiedName() != metaClass.GetBaseName()) return E_FAIL;
        metaClass.SetBaseClass(base);
    }
    return S_OK;
}

bool SRepTypeLibManager::HasBaseCycle(const SRepTypeLib& library) const {
    // Registered classes have acyclic chains, so a chain longer than all classes together loops
    // through the new ones.
    const size_t limit = m_classes.size() + static_cast<size_t>(library.GetClassCount());
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        size_t steps = 0;
        for (const SRepMetaClass* c = &library.GetClass(i); c; c = c->GetBaseClass())
            if (++steps > limit) return true;
    }
    return false;
}

void SRepTypeLibManager::Commit(std::unique_ptr<SRepTypeLib> library) {
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass* metaClass = &library->GetClass(i);
        m_classes.push_back(metaClass);
        m_classesById.emplace(metaClass->GetClassId(), metaClass);
        m_classesByQualifiedName.emplace(metaClass->GetQualifiedName(), metaClass);
    }
    m_libraries.push_back(std::move(library));
}

HRESULT SRepTypeLibManager::FindMetaClass(const GUID& classId, const SRepMetaClass** metaClass) const {
    if (!metaClass) return E_POINTER;
    *metaClass = FindMetaClass(classId);
    return *metaClass ? S_OK : S_FALSE;
}

const SRepMetaClass* SRepTypeLibManager::FindMetaClass(const GUID& classId) const {
    auto it = m_classesById.find(classId);
    return it == m_classesById.end() ? nullptr : it->second;
}

const SRepMetaClass* SRepTypeLibManager::FindMetaClassByName(const SString& name) const {
    if (name.Find(SRepTypeLibFormat::kScopeSeparator) >= 0) {
        auto it = m_classesByQualifiedName.find(name);
        return it == m_classesByQualifiedName.end() ? nullptr : it->second;
    }
    for (const SRepMetaClass* metaClass : m_classes)
        if (metaClass->GetCodeName() == name) return metaClass;
    return nullptr;
}

const SRepTypeLib* SRepTypeLibManager::FindTypeLib(const GUID& libraryId) const {
    for (const auto& library : m_libraries)
        if (library->GetLibraryId() == libraryId) return library.get();
    return nullptr;
}

SRepTypeLibManager* GetTypeLibManager() {
    // Never destroyed: metaclasses may be reached by objects that outlive the process's exit
    // handlers.
    static SRepTypeLibManager* manager = new SRepTypeLibManager;
    return manager;
}
