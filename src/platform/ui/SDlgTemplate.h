#pragma once
// A dialog template read from a module's dialog resource: caption, style, rectangle and controls.
#include <cstdint>
#include <vector>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/ui/SWinDefs.h"

struct SDlgTemplateControl {
    int32_t id = 0;
    SString className;
    SString text;
    uint32_t style = 0;
    RECT rect;
};

class SDlgTemplate {
public:
    // The template `id` of the module that holds it; false when there is none or it does not read.
    bool Load(HINSTANCE instance, uint32_t id);
    bool Parse(const uint8_t* data, size_t size);

    uint32_t id = 0;
    SString caption;
    uint32_t style = 0;
    RECT rect;
    std::vector<SDlgTemplateControl> controls;
};
