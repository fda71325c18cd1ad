#pragma once
// The window system's table: handle to state, the handle counter, the focus, the stack of
// messages being handled (for Default), and the private messages by which the interaction script
// plays the user on a control.
#include <cstdint>
#include <vector>

#include "platform/ui/SWndState.h"


class SWnd;

class SWndSystem {
public:
    static SWndState* Find(HWND hwnd);
    static SWndState& Add();
    static void Remove(HWND hwnd);
    static size_t Count();
    // The windows whose owner is `owner`, in creation order.
    static std::vector<HWND> OwnedBy(HWND owner);

    static HWND GetFocus();
    static void SetFocus(HWND hwnd);

    static void PushMessage(SWnd* wnd, uint32_t message, WPARAM wParam, LPARAM lParam);
    static void PopMessage();
    // The innermost message being handled by `wnd`; false when there is none.
    static bool CurrentMessage(const SWnd* wnd, uint32_t* message, WPARAM* wParam, LPARAM* lParam);
};
