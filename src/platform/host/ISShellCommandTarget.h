#pragma once
// Where the host sends commands: whether a command is supported (0) or not (1), the command
// itself (0 handled, 1 not), its menu or button state (flags 1 enabled, 2 checked, 4 radio, 8 a
// new text in `text`), and control notifications.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/ui/SWinDefs.h"

struct ISShellCommandClass;

struct ISShellCommandTarget : IUnknown {
    static constexpr GUID iid = IID_ISShellCommandTarget;
    virtual HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) = 0;
    virtual HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass) = 0;
    virtual HRESULT OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state, char16_t* text,
                                uint32_t cch) = 0;
    virtual HRESULT OnControlNotify(uint32_t id, ISShellCommandClass* commandClass, MSG* msg, int32_t* result) = 0;

protected:
    ~ISShellCommandTarget() = default;
};
