#pragma once
// A command class: who answers for a command. The host asks it for its id and for the texts of
// its commands (which 1: the tooltip; any other: the status-bar prompt).
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellCommandClass : IUnknown {
    static constexpr GUID iid = IID_ISShellCommandClass;
    virtual HRESULT GetCommandClassID(GUID* id) = 0;
    // `size` is the capacity of `buffer` in characters, the terminator included.
    virtual HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) = 0;

protected:
    ~ISShellCommandClass() = default;
};
