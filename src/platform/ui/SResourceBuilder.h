#pragma once
// Builds the bytes of menu, accelerator, toolbar and dialog resources from description tables, as
// a module's resource data is written: the loaders read exactly these forms.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"

// One item of a menu: a popup (flag MF_POPUP, then its items), a command, or a separator (id 0,
// empty text); MF_END marks the last item of each level.
struct SMenuResourceItem {
    uint16_t flags = 0;
    uint16_t id = 0;
    const char* text = "";
};

struct SAccelResourceItem {
    uint8_t flags = 0;
    uint16_t key = 0;
    uint16_t command = 0;
};

// The id of a dialog template's controls that nothing addresses (labels, group boxes).
inline constexpr uint16_t IDC_STATIC = 0xFFFF;

// A control of a dialog template: its id, window class, text and style, in dialog units.
struct SDlgResourceControl {
    uint16_t id = 0;
    const char* className = "";
    const char* text = "";
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct SDlgResource {
    const char* caption = "";
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    const SDlgResourceControl* controls = nullptr;
    size_t controlCount = 0;
};

class SResourceBuilder {
public:
    static std::vector<uint8_t> Menu(const SMenuResourceItem* items, size_t count);
    static std::vector<uint8_t> Accelerators(const SAccelResourceItem* items, size_t count);
    // Version 1, buttons of 16 by 15 pixels, the count, then the ids (0 for a separator).
    static std::vector<uint8_t> Toolbar(const uint16_t* ids, size_t count);
    static std::vector<uint8_t> Dialog(const SDlgResource& dialog);
};
