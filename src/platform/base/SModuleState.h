#pragma once
// A module's state: its GUID, instance, live-object counter, held interface and resource tables
// (strings first; custom resources by type and id). Exactly one module state is current; every
// resource load reads the current one.
#include <atomic>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"

class SModuleState {
public:
    SModuleState() = default;
    explicit SModuleState(const GUID& moduleGuid, void* instance = nullptr)
        : m_moduleGuid(moduleGuid), m_instance(instance) {}
    SModuleState(const SModuleState&) = delete;
    SModuleState& operator=(const SModuleState&) = delete;
    virtual ~SModuleState();

    const GUID& GetModuleGuid() const { return m_moduleGuid; }
    void* GetInstance() const { return m_instance; }
    void SetInstance(void* instance) { m_instance = instance; }

    // The live-object counter of the module, changed atomically.
    int32_t LockCount() const { return m_lockCount.load(); }
    int32_t IncrementLock() { return ++m_lockCount; }
    int32_t DecrementLock() { return --m_lockCount; }

    // An interface the module state may hold; released when replaced or at destruction.
    void SetHeldInterface(IUnknown* held);
    IUnknown* GetHeldInterface() const { return m_held; }

    // String table.
    void AddString(uint32_t id, SString text) { m_strings[id] = std::move(text); }
    void AddStrings(const std::pair<uint32_t, const char*>* rows, size_t count);
    const SString* FindString(uint32_t id) const;

    // Custom resources: type name and id to bytes (the bytes are not copied: they live as long
    // as the program's data).
    void AddResource(const SString& type, uint32_t id, const uint8_t* data, size_t size);
    bool FindResource(const SString& type, uint32_t id, const uint8_t** data, size_t* size) const;

    // The current module state; the process's own when none was made current.
    static SModuleState& GetCurrent();
    static SModuleState& GetProcessState();
    // Makes `state` current and returns the previous one (null restores the process's).
    static SModuleState* SetCurrent(SModuleState* state);

private:
    GUID m_moduleGuid{};
    void* m_instance = nullptr;
    std::atomic<int32_t> m_lockCount{0};
    IUnknown* m_held = nullptr;
    std::map<uint32_t, SString> m_strings;
    std::map<std::pair<SString, uint32_t>, std::pair<const uint8_t*, size_t>> m_resources;
};

// Makes a module state current for a scope and restores the previous one on every path.
class SModuleStateGuard {
public:
    explicit SModuleStateGuard(SModuleState* state) : m_previous(SModuleState::SetCurrent(state)) {}
    ~SModuleStateGuard() { SModuleState::SetCurrent(m_previous); }
    SModuleStateGuard(const SModuleStateGuard&) = delete;
    SModuleStateGuard& operator=(const SModuleStateGuard&) = delete;

private:
    SModuleState* m_previous;
};
