#include "platform/repo/SRepTypeLibManager.h"

#include <new>
#include <unordered_set>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSessionExtern.h"
#include "platform/repo/SRepTypeLibFormat.h"
#include "platform/repo/SRepTypeLibReader.h"

namespace {

SRepMetaClass::Record RepositoryClass(const char* codeName, const GUID& classId, const char* baseName,
                                      const GUID& baseClassId) {
    SRepMetaClass::Record record;
    record.codeName = codeName;
    record.displayName = codeName;
    record.classId = classId;
    if (baseName) {
        record.baseName = baseName;
        record.baseClassId = baseClassId;
    }
    return record;
}

// The attribute record of one of the framework's own attributes: the words the objects answer,
// shifted back into the layout of a type library.
SRepMetaAttribute RepositoryAttribute(const SRepSysAttribute& attribute) {
    SRepMetaAttribute::Record record;
    record.codeName = attribute.codeName;
    record.displayName = attribute.displayName;
    record.id = static_cast<uint32_t>(attribute.id);
    record.typeWord = (attribute.type & ~SRepTypeLibFormat::kObjectReferenceType) << 8;
    record.objectReference = (attribute.type & SRepTypeLibFormat::kObjectReferenceType) != 0;
    record.flags = attribute.flags << 8;
    return SRepMetaAttribute(std::move(record));
}

}  // namespace

SRepTypeLibManager::SRepTypeLibManager() {
    RegisterRepositoryLibrary();
}

SRepTypeLibManager::~SRepTypeLibManager() = default;

void SRepTypeLibManager::RegisterRepositoryLibrary() {
    auto library = std::make_unique<SRepTypeLib>("Rep", "Repository", kRepositoryLibraryId);
    SRepMetaClass& root = library->AddClass(RepositoryClass("SRepObject", CLSID_SRepObject, nullptr, {}));
    SRepMetaClass& objectBase =
        library->AddClass(RepositoryClass("SRepObjectBase", CLSID_SRepObjectBase, "Rep::SRepObject", CLSID_SRepObject));
    library->AddClass(
        RepositoryClass("SRepSessionExtern", CLSID_SRepSessionExtern, "Rep::SRepObjectBase", CLSID_SRepObjectBase));
    for (const SRepSysAttribute& attribute : SRepObjectBaseMem::SysAttributes())
        (attribute.onRoot ? root : objectBase).AddAttribute(RepositoryAttribute(attribute));
    Register(std::move(library));
}

HRESULT SRepTypeLibManager::RegisterTypeLibResource(SModuleState* moduleState, uint32_t resourceId,
                                                    int32_t language, const char* resourceType) {
    SRepTypeLibRegistration registration;
    registration.moduleState = moduleState;
    registration.resourceId = resourceId;
    registration.language = language;
    registration.resourceType = resourceType;
    // Resources here have no language versions: the one resource of that type and id is read.
    registration.result = LoadAndRegister(moduleState, resourceId, resourceType, &registration.errorOffset);
    try {
        m_registrations.push_back(registration);
    } catch (const std::bad_alloc&) {
        // The record is only a log; the registration itself stands.
    }
    return registration.result;
}

HRESULT SRepTypeLibManager::LoadAndRegister(SModuleState* moduleState, uint32_t resourceId,
                                            const char* resourceType, uint64_t* errorOffset) {
    if (!moduleState || !resourceType) return E_INVALIDARG;
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!moduleState->FindResource(resourceType, resourceId, &data, &size)) return E_FAIL;
    return ReadAndRegister(data, size, errorOffset);
}

HRESULT SRepTypeLibManager::RegisterTypeLib(const uint8_t* data, size_t size) {
    uint64_t errorOffset = 0;
    return ReadAndRegister(data, size, &errorOffset);
}

HRESULT SRepTypeLibManager::ReadAndRegister(const uint8_t* data, size_t size, uint64_t* errorOffset) {
    try {
        std::unique_ptr<SRepTypeLib> library;
        const SReadResult read = SRepTypeLibReader(data, size).Read(library);
        if (FAILED(read.code)) {
            *errorOffset = read.offset;
            return read.code;
        }
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
    const size_t count = static_cast<size_t>(library->GetClassCount());
    ClassesById ownClasses;
    std::unordered_set<SString> ownNames;
    ownClasses.reserve(count);
    ownNames.reserve(count);
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& metaClass = library->GetClass(i);
        SString name = metaClass.GetQualifiedName();
        if (m_classesById.count(metaClass.GetClassId()) || m_classesByQualifiedName.count(name)) return E_FAIL;
        if (!ownClasses.emplace(metaClass.GetClassId(), &metaClass).second) return E_FAIL;
        if (!ownNames.insert(std::move(name)).second) return E_FAIL;
    }
    HRESULT hr = BindBases(*library, ownClasses);
    if (FAILED(hr)) return hr;
    if (HasBaseCycle(*library)) return E_FAIL;
    Commit(std::move(library));
    return S_OK;
}

HRESULT SRepTypeLibManager::BindBases(SRepTypeLib& library, const ClassesById& ownClasses) const {
    // A base may be a class of this library, before or after the class, or of one registered
    // earlier; the record names it twice, by qualified name and by GUID, and both must agree.
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        SRepMetaClass& metaClass = library.MutableClass(i);
        if (!metaClass.HasBase()) continue;
        const SRepMetaClass* base = FindMetaClass(metaClass.GetBaseClassId());
        if (!base) {
            auto own = ownClasses.find(metaClass.GetBaseClassId());
            if (own != ownClasses.end()) base = own->second;
        }
        if (!base || base->GetQualifiedName() != metaClass.GetBaseName()) return E_FAIL;
        metaClass.SetBaseClass(base);
    }
    return S_OK;
}

bool SRepTypeLibManager::HasBaseCycle(const SRepTypeLib& library) {
    // Registered classes have acyclic chains, so a loop can only run through the new classes.
    // Each chain is walked up to a class already known to end well; the classes on the way are
    // marked while they are walked, so meeting a marked one means the walk came round.
    enum class Mark : uint8_t { Walking, Sound };
    std::unordered_map<const SRepMetaClass*, Mark> marks;
    marks.reserve(static_cast<size_t>(library.GetClassCount()));
    std::vector<const SRepMetaClass*> walk;
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        walk.clear();
        const SRepMetaClass* c = &library.GetClass(i);
        for (; c && c->GetTypeLib() == &library; c = c->GetBaseClass()) {
            auto [mark, added] = marks.emplace(c, Mark::Walking);
            if (!added) {
                if (mark->second == Mark::Walking) return true;
                break;
            }
            walk.push_back(c);
        }
        for (const SRepMetaClass* walked : walk) marks[walked] = Mark::Sound;
    }
    return false;
}

void SRepTypeLibManager::Commit(std::unique_ptr<SRepTypeLib> library) {
    const SRepTypeLib& committed = *library;
    m_libraries.push_back(std::move(library));
    try {
        for (int32_t i = 0; i < committed.GetClassCount(); ++i) {
            const SRepMetaClass* metaClass = &committed.GetClass(i);
            m_classesById.emplace(metaClass->GetClassId(), metaClass);
            m_classesByQualifiedName.emplace(metaClass->GetQualifiedName(), metaClass);
            m_classesByCodeName.emplace(metaClass->GetCodeName(), metaClass);
        }
    } catch (...) {
        // Memory ran out half-way: the library goes again, and nothing may point into it.
        auto ofCommitted = [&](const auto& entry) { return entry.second->GetTypeLib() == &committed; };
        std::erase_if(m_classesById, ofCommitted);
        std::erase_if(m_classesByQualifiedName, ofCommitted);
        std::erase_if(m_classesByCodeName, ofCommitted);
        m_libraries.pop_back();
        throw;
    }
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
    const auto& byName =
        name.Find(SRepTypeLibFormat::kScopeSeparator) >= 0 ? m_classesByQualifiedName : m_classesByCodeName;
    auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
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
