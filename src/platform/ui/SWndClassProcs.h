#pragma once
// The default processing of the window classes: a plain window keeps its text and closes on
// WM_CLOSE; buttons, edit boxes, combo boxes and list boxes keep their contents, answer their
// messages and tell their parent of a user's change (WM_COMMAND with the control's id and the
// notification code).
#include "platform/ui/SWndState.h"

class SWndClassProcs {
public:
    static LRESULT Call(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT Generic(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);
    static LRESULT Button(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);
    static LRESULT Edit(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);
    static LRESULT ComboBox(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);
    static LRESULT ListBox(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam);
    // Item lists shared by combo and list boxes; -1 when the message is not one of them.
    static bool Items(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam, bool listBox, LRESULT* result);
    static void NotifyParent(const SWndState& state, int32_t code);
    static void ClickButton(SWndState& state);
};
