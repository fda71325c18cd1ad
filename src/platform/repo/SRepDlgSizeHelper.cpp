#include "platform/repo/SRepDlgSizeHelper.h"

#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/ui/SLayoutMap.h"
#include "platform/ui/SWnd.h"

namespace {
constexpr const char* kPlaceNames[] = {"Left", "Top", "Right", "Bottom"};
}  // namespace

SString SRepDlgSizeHelper::GetPrefRegPath(SWnd* wnd) {
    SString path("DialogPreferences\\");
    if (wnd && wnd->GetClassInfo()->className) path += wnd->GetClassInfo()->className;
    return path;
}

SString SRepDlgSizeHelper::GetPrefKey(SWnd* wnd, const SString& key) {
    SString path(SUserRegistry::sApplicationRoot);
    path += GetPrefRegPath(wnd);
    if (!key.IsEmpty()) {
        path += "\\";
        path += key;
    }
    return path;
}

void SRepDlgSizeHelper::Resize(SWnd* wnd, uint32_t type, int32_t cx, int32_t cy, const SString& key) {
    if (!wnd || !wnd->GetSafeHwnd() || type == SIZE_MINIMIZED) return;
    if (const SLayoutMap* layout = GetLayoutMap(); layout && layout->IsInitialized()) layout->Resize(cx, cy);
    // Sizes the window goes through before its saved place is back must not overwrite that place.
    if (m_restored) SavePreferences(wnd, key);
}

void SRepDlgSizeHelper::RestorePreferences(SWnd* wnd, const SString& key) {
    if (!wnd || !wnd->GetSafeHwnd()) return;
    SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(wnd, key), 0);
    int32_t place[4] = {};
    bool saved = registry.IsOpen();
    for (int32_t i = 0; i < 4 && saved; ++i) saved = registry.GetProfile(kPlaceNames[i], &place[i], 0);
    // A place without width or height would hide the window; it is ignored.
    if (saved && place[2] > place[0] && place[3] > place[1]) wnd->MoveWindow(RECT{place[0], place[1], place[2], place[3]});
    m_restored = true;
}

void SRepDlgSizeHelper::SavePreferences(SWnd* wnd, const SString& key) {
    if (!wnd || !wnd->GetSafeHwnd()) return;
    const RECT rect = wnd->GetWindowRect();
    SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(wnd, key), 1);
    const int32_t place[4] = {rect.left, rect.top, rect.right, rect.bottom};
    for (int32_t i = 0; i < 4; ++i) registry.WriteProfile(kPlaceNames[i], place[i]);
}
