#pragma once
// One button of the preview toolbar handed to the host: flags (2 when a separator stands before
// it), command and the caller's value.
#include <cstdint>

struct SHELLTOOLBARITEM {
    uint32_t flags = 0;
    uint32_t commandId = 0;
    void* value = nullptr;
    uint32_t reserved1 = 0;
    uint32_t reserved2 = 0;
};
