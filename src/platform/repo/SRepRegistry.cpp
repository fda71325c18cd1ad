#include "platform/repo/SRepRegistry.h"

#include <map>
#include <new>
#include <utility>

#include "platform/repo/SRepObjectMem.h"

namespace {
// Registries are statics of their classes, built and destroyed by the library's start-up, so
// the table lives for the whole process.
std::map<GUID, SRepRegistry*>& Registries() {
    static auto* registries = new std::map<GUID, SRepRegistry*>;
    return *registries;
}
}  // namespace

SRepRegistry::SRepRegistry(const GUID& clsid, const SAttrEditorMap* attrEditorMap, SRepFactory factory,
                           SRepKindTest kindTest, SRepCollectionTest collectionTest, uint32_t flags,
                           SModuleState* moduleState)
    : m_clsid(clsid),
      m_attrEditorMap(attrEditorMap),
      m_factory(factory),
      m_kindTest(kindTest),
      m_collectionTest(collectionTest),
      m_flags(flags),
      m_moduleState(moduleState) {
    // The first registry of a GUID is the class's; a second one is a mistake and stays out.
    Registries().emplace(clsid, this);
}

SRepRegistry::~SRepRegistry() {
    auto& registries = Registries();
    auto it = registries.find(m_clsid);
    if (it != registries.end() && it->second == this) registries.erase(it);
    SRepObjectAllocator::Abandon(std::move(m_allocator));
}

bool SRepRegistry::IsKindOf(const GUID& clsid) const {
    return m_kindTest ? m_kindTest(clsid) : clsid == m_clsid;
}

void SRepRegistry::UseAllocator(size_t objectSize, int32_t objectsPerBlock, const char* className) {
    auto fresh = std::make_unique<SRepObjectAllocator>(objectSize, objectsPerBlock, className);
    SRepObjectAllocator::Abandon(std::exchange(m_allocator, std::move(fresh)));
}

void* SRepRegistry::AllocateObject(size_t size) const noexcept {
    if (m_allocator) return m_allocator->Allocate(size);
    return ::operator new(size, std::nothrow);
}

HRESULT SRepRegistry::CreateInstance(SRepObjectMem** out, ISRepSession* session, const SRepObjectMem* source) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!m_factory) return E_NOTIMPL;
    return m_factory(out, session, source);
}

SRepRegistry* SRepRegistry::Find(const GUID& clsid) {
    auto& registries = Registries();
    auto it = registries.find(clsid);
    return it == registries.end() ? nullptr : it->second;
}

HRESULT SRepRegistry::CreateObject(const GUID& clsid, ISRepSession* session, ISRepObject** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    SRepRegistry* registry = Find(clsid);
    if (!registry || !registry->IsCreatable()) return E_INVALIDARG;
    SRepObjectMem* object = nullptr;
    HRESULT hr = registry->CreateInstance(&object, session, nullptr);
    if (FAILED(hr)) return hr;
    if (!object) return E_UNEXPECTED;
    *out = object;  // the factory's reference goes to the caller
    return S_OK;
}
