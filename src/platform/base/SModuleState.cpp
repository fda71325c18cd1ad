#include "platform/base/SModuleState.h"

namespace {
SModuleState*& CurrentSlot() {
    static SModuleState* current = nullptr;
    return current;
}
}  // namespace

SModuleState::~SModuleState() {
    if (CurrentSlot() == this) CurrentSlot() = nullptr;
    SetHeldInterface(nullptr);
}

void SModuleState::SetHeldInterface(IUnknown* held) {
    if (held) held->AddRef();
    IUnknown* old = m_held;
    m_held = held;
    if (old) old->Release();
}

void SModuleState::AddStrings(const std::pair<uint32_t, const char*>* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) m_strings[rows[i].first] = SString(rows[i].second);
}

const SString* SModuleState::FindString(uint32_t id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

void SModuleState::AddResource(const SString& type, uint32_t id, const uint8_t* data, size_t size) {
    m_resources[{type, id}] = {data, size};
}

bool SModuleState::FindResource(const SString& type, uint32_t id, const uint8_t** data, size_t* size) const {
    auto it = m_resources.find({type, id});
    if (it == m_resources.end()) return false;
    if (data) *data = it->second.first;
    if (size) *size = it->second.second;
    return true;
}

SModuleState& SModuleState::GetProcessState() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static SModuleState* process = new SModuleState();
    return *process;
}

SModuleState& SModuleState::GetCurrent() {
    SModuleState* current = CurrentSlot();
    return current ? *current : GetProcessState();
}

SModuleState* SModuleState::SetCurrent(SModuleState* state) {
    SModuleState* previous = CurrentSlot();
    CurrentSlot() = state;
    return previous;
}
