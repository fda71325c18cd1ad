#pragma once
// The repository framework's options of the session's user: the login name that stamps the
// objects the user creates. It starts as the login of the process's user (empty when the
// platform gives none).
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

struct ISRepObject;

class SRepOption {
public:
    static const SString& GetLogin();
    static void SetLogin(const SString& login);
    // Stamps a new object as made by the login now (the clock's seconds); the object's answer.
    static HRESULT StampCreation(ISRepObject* object);

    // The user's dialog preferences: a sheet reopens on the tab that was active when it was last
    // closed with OK; a dialog stays where its saved place put it instead of being centred again.
    static bool m_bKeepTab;
    static bool m_bOpenSingleMode;
    // What a drag does in a browser without Ctrl or Shift held: 1 or 3 move, 2 copy, any other
    // value leaves the choice to the drop target.
    static int32_t m_nDragDropDefAction;
    // Window titles of documents show the document's file path after its name.
    static bool m_bShowWinFilePath;
};
