#include "platform/ui/SWnd.h"

namespace {
SWnd*& MainWndSlot() {
    static SWnd* mainWnd = nullptr;
    return mainWnd;
}
}  // namespace

SWnd* SGetMainWnd() {
    return MainWndSlot();
}

void SSetMainWnd(SWnd* wnd) {
    MainWndSlot() = wnd;
}
