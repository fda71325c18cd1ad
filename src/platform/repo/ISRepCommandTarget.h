#pragma once
// A session's command target: the last stop of a command that no window of the session's
// document handled. It routes as a command target's OnCmdMsg does: non-zero when handled.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct SCmdHandlerInfo;

struct ISRepCommandTarget : IUnknown {
    static constexpr GUID iid = IID_ISRepCommandTarget;

    virtual int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) = 0;

protected:
    ~ISRepCommandTarget() = default;
};
