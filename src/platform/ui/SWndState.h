#pragma once
// What the window system keeps for one window handle, whatever object wraps it: its class, text,
// style, place in the window tree, rectangle, visibility, and the contents of a control (items,
// selection, check state, tabs, tools). Subclassing a window hands the handle to another object
// and keeps all of this.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/SString.h"
#include "platform/ui/SWinDefs.h"

class SWnd;

struct SWndState {
    HWND hwnd = 0;
    SString className;  // upper-case: "BUTTON", "EDIT", "COMBOBOX" ... ; empty for a plain window
    SString text;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int32_t id = 0;
    HWND parent = 0;
    HWND owner = 0;
    std::vector<HWND> children;  // in creation order
    RECT rect;
    bool enabled = true;
    SWnd* object = nullptr;                  // the object messages go to
    std::unique_ptr<SWnd> wrapper;           // made by FromHandle when no object wraps it
    uint32_t helpContext = 0;

    // Controls.
    std::vector<SString> items;
    std::vector<uintptr_t> itemData;
    std::vector<char> selected;  // multiple-selection list boxes
    int32_t curSel = -1;
    int32_t caret = 0;
    int32_t check = 0;
    int32_t scrollMin = 0;
    int32_t scrollMax = 0;
    bool scrollBarShown = true;
};
