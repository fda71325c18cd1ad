#pragma once
// A menu for the host's modules that labels the items it adds with this library's command
// strings (or, failing that, the repository framework's), at the menu's end or at its top.
#include <cstdint>

#include "platform/ui/SMenu.h"

class SRptMenu : public SMenu {
public:
    // Adds an item labelled with string `stringId`: its short text after the line feed when the
    // string has one, else the whole string. With `popup` set, `itemId` is the handle of the
    // submenu that the item opens. With `insertFirst` set, the item goes above all the others.
    void AddPopupMenuItem(uint32_t stringId, uint32_t itemId, int32_t insertFirst, int32_t popup);

    // The label of a command string: what follows its first line feed, else the whole text.
    static SString GetLabel(const SString& text);
};
