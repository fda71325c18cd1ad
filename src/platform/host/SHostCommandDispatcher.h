#pragma once
// Fires commands as the host does: the command class comes from the item data of the menu item
// of that id (or the toolbar entry, or the accelerator); the active view is asked whether it
// supports the command with that class and, when it does, gets the command. The state of a
// command's menu item or button is asked the same way.
#include <cstdint>
#include <string>

#include "platform/host/SStandInHost.h"

struct SHostCommandUI {
    HRESULT result = 1;    // 0 when the view gave the command's state
    uint32_t state = 0;    // 1 enabled, 2 checked, 4 radio, 8 a new text
    std::u16string text;   // the new text when state has 8
};

class SHostCommandDispatcher {
public:
    explicit SHostCommandDispatcher(SStandInHost& host) : m_host(host) {}

    // The command class the host hands back with `id`; null for the host's own commands (1 to
    // 300) and when none of the host's menus, toolbars and accelerators stamps one.
    ISShellCommandClass* FindCommandClass(uint32_t id) const;
    // 0 when the active view took the command; 1 when there is no view, the view does not
    // support it, or no handler took it.
    HRESULT Fire(uint32_t id);
    // The command of an accelerator (flags and key as the table has them); 1 when none matches.
    HRESULT FireAccelerator(uint8_t flags, uint16_t key);
    SHostCommandUI QueryCommandUI(uint32_t id);

private:
    SStandInHost& m_host;
};
