#pragma once
// One entry of a view toolbar handed to the host: the record's size (40), kind (1 button, 3
// separator), command, image and command class.
#include <cstdint>

struct ISShellCommandClass;

struct SHELLVIEWTBBUTTON {
    uint32_t size = 40;
    uint32_t kind = 0;
    uint32_t commandId = 0;
    uint32_t reserved1 = 0;
    uint32_t reserved2 = 0;
    uint32_t imageIndex = 0;
    uint32_t reserved3 = 0;
    uint32_t reserved4 = 0;
    uint32_t reserved5 = 0;
    ISShellCommandClass* commandClass = nullptr;
};
