#pragma once
// One accelerator handed to the host: command, command class, flags of the accelerator (virtual
// key 0x01, no inverting 0x02, Shift 0x04, Ctrl 0x08, Alt 0x10) and key code.
#include <cstdint>

struct ISShellCommandClass;

struct SHELLACCEL {
    uint32_t commandId = 0;
    ISShellCommandClass* commandClass = nullptr;
    uint8_t flags = 0;
    uint8_t padding = 0;
    uint16_t key = 0;
};
