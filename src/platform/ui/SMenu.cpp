#include "platform/ui/SMenu.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWnd.h"
#include "varod9/SInteraction.h"

namespace {
struct Item {
    uint32_t id = 0;
    uint32_t flags = 0;
    SString text;
    HMENU subMenu = 0;
    uintptr_t data = 0;
};
struct Menu {
    std::vector<Item> items;
};
struct Menus {
    std::map<HMENU, Menu> menus;
    HMENU next = 0x20000;
};
Menus& TheMenus() {
    static Menus menus;
    return menus;
}
Menu* Find(HMENU menu) {
    auto& menus = TheMenus().menus;
    auto it = menus.find(menu);
    return it == menus.end() ? nullptr : &it->second;
}
Item* FindItem(HMENU menu, uint32_t item, int32_t byPosition) {
    Menu* found = Find(menu);
    if (!found) return nullptr;
    if (byPosition) return item < found->items.size() ? &found->items[item] : nullptr;
    for (Item& candidate : found->items) {
        if (!(candidate.flags & MF_POPUP) && candidate.id == item) return &candidate;
        if (candidate.subMenu)
            if (Item* inner = FindItem(candidate.subMenu, item, 0)) return inner;
    }
    return nullptr;
}

// Reads one level of a menu resource: items of (flags, id unless a popup, text), the last with
// MF_END. Nothing past `end` is read; a resource that ends early gives false.
bool ReadLevel(const uint8_t*& p, const uint8_t* end, HMENU menu) {
    for (;;) {
        if (end - p < 2) return false;
        const uint16_t flags = static_cast<uint16_t>(p[0] | (p[1] << 8));
        p += 2;
        uint16_t id = 0;
        if (!(flags & MF_POPUP)) {
            if (end - p < 2) return false;
            id = static_cast<uint16_t>(p[0] | (p[1] << 8));
            p += 2;
        }
        const void* zero = std::memchr(p, 0, static_cast<size_t>(end - p));
        if (!zero) return false;
        const char* text = reinterpret_cast<const char*>(p);
        p = static_cast<const uint8_t*>(zero) + 1;
        if (flags & MF_POPUP) {
            HMENU sub = CreatePopupMenu();
            AppendMenuA(menu, (flags & ~MF_END), sub, text);
            if (!ReadLevel(p, end, sub)) return false;
        } else {
            AppendMenuA(menu, (flags & ~MF_END) | (*text == 0 && id == 0 ? MF_SEPARATOR : 0), id, text);
        }
        if (flags & MF_END) return true;
    }
}
}  // namespace

HMENU CreatePopupMenu() {
    Menus& menus = TheMenus();
    HMENU handle = menus.next++;
    menus.menus[handle] = Menu{};
    return handle;
}

HMENU LoadMenuA(HINSTANCE instance, uint32_t id) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!SFindResource(instance, id, RT_MENU, &data, &size) || size < 4) return 0;
    // A header of two words (version and offset), then the items.
    const uint8_t* p = data + 4;
    HMENU menu = CreatePopupMenu();
    if (!ReadLevel(p, data + size, menu)) {
        DestroyMenu(menu);
        return 0;
    }
    return menu;
}

int32_t DestroyMenu(HMENU menu) {
    Menu* found = Find(menu);
    if (!found) return 0;
    std::vector<HMENU> subMenus;
    for (const Item& item : found->items)
        if (item.subMenu) subMenus.push_back(item.subMenu);
    TheMenus().menus.erase(menu);
    for (HMENU sub : subMenus) DestroyMenu(sub);
    return 1;
}

bool IsMenu(HMENU menu) {
    return Find(menu) != nullptr;
}

size_t GetMenuCount() {
    return TheMenus().menus.size();
}

int32_t GetMenuItemCount(HMENU menu) {
    Menu* found = Find(menu);
    return found ? static_cast<int32_t>(found->items.size()) : -1;
}

int32_t GetMenuItemInfoA(HMENU menu, uint32_t item, int32_t byPosition, MENUITEMINFOA* info) {
    Item* found = FindItem(menu, item, byPosition);
    if (!found || !info) return 0;
    if (info->fMask & MIIM_ID) info->wID = found->id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = found->subMenu;
    if (info->fMask & MIIM_DATA) info->dwItemData = found->data;
    if (info->fMask & MIIM_FTYPE) info->fType = found->flags & MF_SEPARATOR;
    if (info->fMask & MIIM_STATE) info->fState = found->flags & (MF_GRAYED | MF_CHECKED);
    if (info->fMask & MIIM_STRING) {
        if (info->dwTypeData && info->cch > 0) {
            size_t n = std::min<size_t>(info->cch - 1, static_cast<size_t>(found->text.GetLength()));
            std::memcpy(info->dwTypeData, found->text.c_str(), n);
            info->dwTypeData[n] = '\0';
        }
        info->cch = static_cast<uint32_t>(found->text.GetLength());
    }
    return 1;
}

int32_t SetMenuItemInfoA(HMENU menu, uint32_t item, int32_t byPosition, const MENUITEMINFOA* info) {
    Item* found = FindItem(menu, item, byPosition);
    if (!found || !info) return 0;
    if (info->fMask & MIIM_ID) found->id = info->wID;
    if (info->fMask & MIIM_SUBMENU) found->subMenu = info->hSubMenu;
    if (info->fMask & MIIM_DATA) found->data = info->dwItemData;
    if (info->fMask & MIIM_STATE) found->flags = (found->flags & ~(MF_GRAYED | MF_CHECKED)) | (info->fState & (MF_GRAYED | MF_CHECKED));
    if ((info->fMask & MIIM_STRING) && info->dwTypeData) found->text = info->dwTypeData;
    return 1;
}

int32_t InsertMenuA(HMENU menu, uint32_t position, uint32_t flags, uintptr_t idOrPopup, const char* text) {
    Menu* found = Find(menu);
    if (!found) return 0;
    Item item;
    item.flags = flags & ~static_cast<uint32_t>(MF_BYPOSITION);
    item.text = text ? text : "";
    if (flags & MF_POPUP) item.subMenu = static_cast<HMENU>(idOrPopup);
    else item.id = static_cast<uint32_t>(idOrPopup);
    const size_t at = std::min<size_t>(position, found->items.size());
    found->items.insert(found->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return 1;
}

int32_t AppendMenuA(HMENU menu, uint32_t flags, uintptr_t idOrPopup, const char* text) {
    return InsertMenuA(menu, 0xFFFFFFFF, flags, idOrPopup, text);
}

HMENU GetSubMenu(HMENU menu, int32_t position) {
    Item* found = position < 0 ? nullptr : FindItem(menu, static_cast<uint32_t>(position), 1);
    return found ? found->subMenu : 0;
}

uint32_t GetMenuItemID(HMENU menu, int32_t position) {
    Item* found = position < 0 ? nullptr : FindItem(menu, static_cast<uint32_t>(position), 1);
    if (!found) return 0;
    return found->subMenu ? 0xFFFFFFFF : found->id;
}

SString GetMenuItemText(HMENU menu, int32_t position) {
    Item* found = position < 0 ? nullptr : FindItem(menu, static_cast<uint32_t>(position), 1);
    return found ? found->text : SString();
}

int32_t SMenu::LoadMenu(uint32_t id) {
    DestroyMenu();
    m_hMenu = LoadMenuA(SGetResInstance(id, RT_MENU), id);
    return m_hMenu ? 1 : 0;
}

int32_t SMenu::CreatePopupMenu() {
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    return 1;
}

int32_t SMenu::DestroyMenu() {
    if (!m_hMenu) return 0;
    int32_t done = ::DestroyMenu(m_hMenu);
    m_hMenu = 0;
    return done;
}

void SMenu::Attach(HMENU menu) {
    DestroyMenu();
    m_hMenu = menu;
}

HMENU SMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = 0;
    return menu;
}

int32_t SMenu::TrackPopupMenu(uint32_t flags, int32_t, int32_t, SWnd* wnd) {
    SPrompt prompt;
    prompt.kind = SPrompt::Menu;
    prompt.text = SString::FromInt(static_cast<int32_t>(m_hMenu));
    const auto chosen = static_cast<uint32_t>(SInteraction::Ask(prompt).button);
    if (flags & TPM_RETURNCMD) return static_cast<int32_t>(chosen);
    if (!chosen) return 0;
    if (wnd) wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(chosen), 0), 0);
    return 1;
}
