#pragma once
// A session's command target: the last stop of a command that no window of the session's
// document handled. It routes as a command target's OnCmdMsg does: non-zero when handled.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct SCmdHandlerInfo;

struct ISRepCommandTarget : IUnknown {
    static constexpr GUID iid = MakeGUID("{4FADD6E2-4EF2-11D1-83D9-444553540000}");

    virtual int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) = 0;

protected:
    ~ISRepCommandTarget() = default;
};

inline constexpr IID IID_ISRepCommandTarget = ISRepCommandTarget::iid;
