#pragma once
// One entry of a toolbar handed to the host (separators included): kind, command, command class,
// bitmap and image, and for a control its width, window style and window class.
#include <cstdint>

struct ISShellCommandClass;

struct SHELLTOOLBARBUTTON {
    uint32_t kind = 0;
    uint32_t commandId = 0;
    ISShellCommandClass* commandClass = nullptr;
    uint32_t reserved1 = 0;
    uint32_t reserved2 = 0;
    uint32_t bitmapId = 0;
    uint32_t imageIndex = 0;
    uint32_t reserved3 = 0;
    uint32_t width = 0;
    uint32_t style = 0;
    const char16_t* windowClass = nullptr;
};
