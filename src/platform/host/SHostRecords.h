#pragma once
// What the stand-in host keeps of the registrations it was given, copied at the call: menus as
// trees with their item data, toolbars, view toolbars, accelerators, and every call in order.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/host/SHELLACCEL.h"
#include "platform/host/SHELLTOOLBARBUTTON.h"
#include "platform/host/SHELLTOOLBARITEM.h"
#include "platform/host/SHELLVIEWTBBUTTON.h"

struct ISShellCommandClass;
struct ISShellViewClass;

struct SHostCall {
    SString operation;  // "AddMenu", "CreateViewFrame", "SetTitle" ...
    SString detail;     // a caption, a title, a name, a command id ...
};

struct SHostMenuItem {
    uint32_t id = 0;
    SString text;
    uint32_t flags = 0;
    uintptr_t data = 0;  // the item data: the command class that answers for the item
    std::vector<SHostMenuItem> items;
    ISShellCommandClass* CommandClass() const { return reinterpret_cast<ISShellCommandClass*>(data); }
};

struct SHostMenu {
    ISShellViewClass* viewClass = nullptr;
    std::vector<SHostMenuItem> items;
};

struct SHostToolbar {
    uint32_t flags = 0;
    SString name;
    std::vector<SHELLTOOLBARBUTTON> buttons;     // window class names point into windowClasses
    std::vector<std::u16string> windowClasses;  // one per button, empty when it is no control
    ISShellCommandClass* commandClass = nullptr;
    HINSTANCE instance = nullptr;
    uint32_t bitmapId = 0;
    uint32_t maskColour = 0;
    std::vector<uint32_t> controlWindows;  // handles of the controls made for kind-5 entries
};

struct SHostViewToolbar {
    ISShellViewClass* viewClass = nullptr;
    SString name;
    HINSTANCE instance = nullptr;
    uint32_t resourceId = 0;
    uint32_t maskColour = 0;
    std::vector<SHELLVIEWTBBUTTON> buttons;
    uint32_t kind = 0;
};

struct SHostAccelerators {
    ISShellCommandClass* commandClass = nullptr;
    std::vector<SHELLACCEL> entries;
};
