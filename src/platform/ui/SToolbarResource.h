#pragma once
// A toolbar resource (type 241): version, button width and height, the number of entries and the
// command ids (0 for a separator), 16-bit words. The loaders read only the count and the ids.
#include <cstdint>
#include <vector>

#include "platform/base/HINSTANCE.h"

class SToolbarResource {
public:
    // False when the module has no such toolbar or it ends before its last id.
    bool Load(HINSTANCE instance, uint32_t id);

    std::vector<uint16_t> ids;
};
