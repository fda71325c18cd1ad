#pragma once
// Menus: trees of items (id, text, flags, item data, submenu) behind menu handles, loaded from a
// module's menu resources or built item by item. A popup menu is put to the interaction script,
// whose answer is the chosen command (0 for none).
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/ui/SWinDefs.h"

class SWnd;

inline constexpr uint32_t MF_STRING = 0x0000;
inline constexpr uint32_t MF_GRAYED = 0x0001;
inline constexpr uint32_t MF_CHECKED = 0x0008;
inline constexpr uint32_t MF_POPUP = 0x0010;
inline constexpr uint32_t MF_END = 0x0080;
inline constexpr uint32_t MF_SEPARATOR = 0x0800;
inline constexpr uint32_t MF_BYPOSITION = 0x0400;

inline constexpr uint32_t MIIM_STATE = 0x0001;
inline constexpr uint32_t MIIM_ID = 0x0002;
inline constexpr uint32_t MIIM_SUBMENU = 0x0004;
inline constexpr uint32_t MIIM_DATA = 0x0020;
inline constexpr uint32_t MIIM_STRING = 0x0040;
inline constexpr uint32_t MIIM_FTYPE = 0x0100;

inline constexpr uint32_t TPM_RETURNCMD = 0x0100;

struct MENUITEMINFOA {
    uint32_t cbSize = 44;
    uint32_t fMask = 0;
    uint32_t fType = 0;
    uint32_t fState = 0;
    uint32_t wID = 0;
    HMENU hSubMenu = 0;
    uint32_t hbmpChecked = 0;
    uint32_t hbmpUnchecked = 0;
    uintptr_t dwItemData = 0;
    char* dwTypeData = nullptr;
    uint32_t cch = 0;
};

// The system's menu operations, by handle.
HMENU LoadMenuA(HINSTANCE instance, uint32_t id);
HMENU CreatePopupMenu();
int32_t DestroyMenu(HMENU menu);
bool IsMenu(HMENU menu);
int32_t GetMenuItemCount(HMENU menu);
int32_t GetMenuItemInfoA(HMENU menu, uint32_t item, int32_t byPosition, MENUITEMINFOA* info);
int32_t SetMenuItemInfoA(HMENU menu, uint32_t item, int32_t byPosition, const MENUITEMINFOA* info);
int32_t AppendMenuA(HMENU menu, uint32_t flags, uintptr_t idOrPopup, const char* text);
// Puts an item before the one at `position` (by position; at or past the end it is appended).
int32_t InsertMenuA(HMENU menu, uint32_t position, uint32_t flags, uintptr_t idOrPopup, const char* text);
HMENU GetSubMenu(HMENU menu, int32_t position);
uint32_t GetMenuItemID(HMENU menu, int32_t position);
SString GetMenuItemText(HMENU menu, int32_t position);
// Number of menus alive; for tests that check that menus are not left behind.
size_t GetMenuCount();

class SMenu {
public:
    SMenu() = default;
    SMenu(const SMenu&) = delete;
    SMenu& operator=(const SMenu&) = delete;
    ~SMenu() { DestroyMenu(); }

    // The menu `id` of the module that holds it (the current module state's resources first).
    int32_t LoadMenu(uint32_t id);
    int32_t CreatePopupMenu();
    int32_t DestroyMenu();
    void Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }

    int32_t GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    uint32_t GetMenuItemID(int32_t position) const { return ::GetMenuItemID(m_hMenu, position); }
    HMENU GetSubMenu(int32_t position) const { return ::GetSubMenu(m_hMenu, position); }
    int32_t AppendMenu(uint32_t flags, uintptr_t idOrPopup, const char* text) {
        return AppendMenuA(m_hMenu, flags, idOrPopup, text);
    }
    int32_t InsertMenu(uint32_t position, uint32_t flags, uintptr_t idOrPopup, const char* text) {
        return InsertMenuA(m_hMenu, position, flags, idOrPopup, text);
    }
    // Puts the menu to the interaction script. With TPM_RETURNCMD the chosen command is returned;
    // otherwise it is sent to `wnd` as WM_COMMAND and the result is 1 when one was chosen.
    int32_t TrackPopupMenu(uint32_t flags, int32_t x, int32_t y, SWnd* wnd);

    HMENU m_hMenu = 0;
};
