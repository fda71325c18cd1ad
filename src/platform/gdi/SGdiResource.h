#pragma once
// What a graphics handle stands for in the process's handle table. Device contexts keep the
// resource they selected, so deleting the handle never pulls it from under them.
#include <cstdint>

class SGdiResource {
public:
    virtual ~SGdiResource() = default;
    // OBJ_FONT ...
    virtual uint32_t GetObjectType() const = 0;
};
