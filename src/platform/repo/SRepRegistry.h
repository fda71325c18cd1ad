#pragma once
// A class's registry: its class GUID, attribute-editor map, factory, kind and collection tests,
// flags and module state. Every registry enters itself in the registry of registries while it
// exists, so that objects can be made, copied and tested by class GUID.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/base/SModuleState.h"
#include "platform/repo/SAttrEditorMap.h"
#include "platform/repo/SRepObjectAllocator.h"

class SRepObjectMem;
struct ISRepObject;
struct ISRepSession;

// Makes an object of the class: a copy of `source` when given, else a new one; in `session`
// (the source's when null for a copy). The new object comes with one reference.
using SRepFactory = HRESULT (*)(SRepObjectMem** out, ISRepSession* session, const SRepObjectMem* source);
// Whether the class is (or derives from) the class of a GUID.
using SRepKindTest = bool (*)(const GUID& clsid);
// Whether the class's objects have a collection of an id.
using SRepCollectionTest = bool (*)(int32_t id);

class SRepRegistry {
public:
    // A null factory makes the class abstract: it is known, but nothing is made of it alone.
    SRepRegistry(const GUID& clsid, const SAttrEditorMap* attrEditorMap, SRepFactory factory, SRepKindTest kindTest,
                 SRepCollectionTest collectionTest, uint32_t flags, SModuleState* moduleState);
    virtual ~SRepRegistry();
    SRepRegistry(const SRepRegistry&) = delete;
    SRepRegistry& operator=(const SRepRegistry&) = delete;

    const GUID& GetClassID() const { return m_clsid; }
    virtual const SAttrEditorMap* GetAttrEditorMap() const { return m_attrEditorMap; }
    SRepFactory GetFactory() const { return m_factory; }
    bool IsCreatable() const { return m_factory != nullptr; }
    uint32_t GetFlags() const { return m_flags; }
    SModuleState* GetModuleState() const { return m_moduleState; }
    // The kind test, or the class GUID alone when there is none.
    bool IsKindOf(const GUID& clsid) const;
    bool HasCollection(int32_t id) const { return m_collectionTest && m_collectionTest(id); }

    // Set by the first object of the class that completes its construction.
    bool IsClassInitialised() const { return m_classInitialised; }
    void SetClassInitialised() { m_classInitialised = true; }

    // The class's objects come from an allocator of their own (built here, so that it exists
    // before any object; it goes with the registry, or after it with the class's last object).
    void UseAllocator(size_t objectSize, int32_t objectsPerBlock, const char* className);
    SRepObjectAllocator* GetAllocator() const { return m_allocator.get(); }
    // Memory for one object: from the allocator, or from the system; null when there is none.
    void* AllocateObject(size_t size) const noexcept;

    // Runs the factory; E_NOTIMPL for an abstract class.
    HRESULT CreateInstance(SRepObjectMem** out, ISRepSession* session, const SRepObjectMem* source) const;

    // The registry of registries.
    static SRepRegistry* Find(const GUID& clsid);
    // A new object of a class, outside any collection, with the caller's reference.
    static HRESULT CreateObject(const GUID& clsid, ISRepSession* session, ISRepObject** out);

private:
    GUID m_clsid;
    const SAttrEditorMap* m_attrEditorMap;
    SRepFactory m_factory;
    SRepKindTest m_kindTest;
    SRepCollectionTest m_collectionTest;
    uint32_t m_flags;
    SModuleState* m_moduleState;
    bool m_classInitialised = false;
    std::unique_ptr<SRepObjectAllocator> m_allocator;
};
