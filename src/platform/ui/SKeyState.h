#pragma once
// The keyboard's state as the system reports it to code that runs outside a key message (a drop
// asks whether Alt is held). Headless, the keys are up unless the host or a test holds them down.
#include <cstdint>

// The state of a virtual key: the high bit (a negative value) while the key is down.
int16_t GetKeyState(uint32_t virtualKey);

// Holds a key down for the life of the scope, then lets it up again.
class SKeyDownScope {
public:
    explicit SKeyDownScope(uint32_t virtualKey);
    ~SKeyDownScope();
    SKeyDownScope(const SKeyDownScope&) = delete;
    SKeyDownScope& operator=(const SKeyDownScope&) = delete;

private:
    uint32_t m_key;
    bool m_wasDown;
};
