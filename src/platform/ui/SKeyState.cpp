#include "platform/ui/SKeyState.h"

#include <set>

namespace {

constexpr int16_t kKeyDown = static_cast<int16_t>(0x8000);

std::set<uint32_t>& KeysDown() {
    static std::set<uint32_t> keys;
    return keys;
}

}  // namespace

int16_t GetKeyState(uint32_t virtualKey) {
    return KeysDown().count(virtualKey) ? kKeyDown : 0;
}

SKeyDownScope::SKeyDownScope(uint32_t virtualKey)
    : m_key(virtualKey), m_wasDown(!KeysDown().insert(virtualKey).second) {}

SKeyDownScope::~SKeyDownScope() {
    if (!m_wasDown) KeysDown().erase(m_key);
}
