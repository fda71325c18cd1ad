#include "platform/ui/SWndSystem.h"

#include "platform/ui/SWnd.h"

#include <map>
#include <memory>
#include <vector>

namespace {
struct Table {
    std::map<HWND, std::unique_ptr<SWndState>> windows;
    HWND next = 0x10000;
    HWND focus = 0;
    struct Message {
        SWnd* wnd;
        uint32_t message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> messages;
};

Table& TheTable() {
    static Table table;
    return table;
}
}  // namespace

SWndState* SWndSystem::Find(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = TheTable().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

SWndState& SWndSystem::Add() {
    Table& table = TheTable();
    auto state = std::make_unique<SWndState>();
    state->hwnd = table.next++;
    SWndState& added = *state;
    table.windows[added.hwnd] = std::move(state);
    return added;
}

void SWndSystem::Remove(HWND hwnd) {
    Table& table = TheTable();
    if (table.focus == hwnd) table.focus = 0;
    // The wrapper made by FromHandle goes with the window; the entry is taken out first so that
    // nothing finds a window that is being freed.
    auto it = table.windows.find(hwnd);
    if (it == table.windows.end()) return;
    std::unique_ptr<SWndState> state = std::move(it->second);
    table.windows.erase(it);
}

size_t SWndSystem::Count() {
    return TheTable().windows.size();
}

std::vector<HWND> SWndSystem::OwnedBy(HWND owner) {
    std::vector<HWND> owned;
    for (const auto& [hwnd, state] : TheTable().windows)
        if (state->owner == owner) owned.push_back(hwnd);
    return owned;
}

HWND SWndSystem::GetFocus() {
    return TheTable().focus;
}

void SWndSystem::SetFocus(HWND hwnd) {
    TheTable().focus = hwnd;
}

void SWndSystem::PushMessage(SWnd* wnd, uint32_t message, WPARAM wParam, LPARAM lParam) {
    TheTable().messages.push_back({wnd, message, wParam, lParam});
}

void SWndSystem::PopMessage() {
    auto& messages = TheTable().messages;
    if (!messages.empty()) messages.pop_back();
}

bool SWndSystem::CurrentMessage(const SWnd* wnd, uint32_t* message, WPARAM* wParam, LPARAM* lParam) {
    const auto& messages = TheTable().messages;
    for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
        if (it->wnd != wnd) continue;
        *message = it->message;
        *wParam = it->wParam;
        *lParam = it->lParam;
        return true;
    }
    return false;
}
