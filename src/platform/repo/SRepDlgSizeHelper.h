#pragma once
// The size memory of a resizable dialog: a dialog that derives from it passes its WM_SIZE on to
// Resize, which lays the controls out by the dialog's layout map and, once the saved place has
// been restored, remembers the new place in the user's settings under the dialog's preference key.
#include <cstdint>

#include "platform/base/SString.h"

class SLayoutMap;
class SWnd;

class SRepDlgSizeHelper {
public:
    SRepDlgSizeHelper() = default;
    SRepDlgSizeHelper(const SRepDlgSizeHelper&) = delete;
    SRepDlgSizeHelper& operator=(const SRepDlgSizeHelper&) = delete;
    virtual ~SRepDlgSizeHelper() = default;

    // The layout of the dialog's controls; none by default.
    virtual const SLayoutMap* GetLayoutMap() const { return nullptr; }
    // Lays the controls out for the new client size `cx` by `cy` and remembers the window's place.
    // A minimised window is left as it is. `key` names a sub-key of the preferences (may be empty).
    void Resize(SWnd* wnd, uint32_t type, int32_t cx, int32_t cy, const SString& key);
    // Gives the window the place saved for it, when one is saved; from then on resizing is
    // remembered.
    virtual void RestorePreferences(SWnd* wnd, const SString& key);
    // The window's preference key below the application's root: "DialogPreferences\" and the
    // window's class name.
    virtual SString GetPrefRegPath(SWnd* wnd);
    // Writes the window's place under its preference key.
    void SavePreferences(SWnd* wnd, const SString& key);

    // The full key, below the current user's root, of the window's preferences.
    SString GetPrefKey(SWnd* wnd, const SString& key);

private:
    bool m_restored = false;
};
