#pragma once
// A command-update query: the command-update handlers of the routing chain set the command's
// state on it. DoUpdate runs the query against a target.
#include <cstdint>

#include "platform/base/SString.h"

class SCmdTarget;

class SCmdUI {
public:
    virtual ~SCmdUI() = default;

    virtual void Enable(int32_t on = 1);
    virtual void SetCheck(int32_t check = 1);
    virtual void SetRadio(int32_t on = 1);
    virtual void SetText(const char* text);

    // Asks `target` for the command's state: the update handler of the id when there is one;
    // otherwise, when `disableIfNoHandler` is set, the command is enabled exactly when a command
    // handler exists. 1 when an update or command handler answered, else 0.
    int32_t DoUpdate(SCmdTarget* target, int32_t disableIfNoHandler);
    // Lets an update handler pass the query on to the next target of the chain.
    void ContinueRouting() { m_bContinueRouting = true; }

    uint32_t m_nID = 0;
    bool m_bEnableChanged = false;
    bool m_bContinueRouting = false;
    // The state the last handlers set; a plain query keeps it here.
    int32_t m_enabled = 1;
    int32_t m_check = 0;
    int32_t m_radio = 0;
    SString m_text;
    bool m_textSet = false;
};
