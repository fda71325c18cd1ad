#pragma once
// The base of every object that receives commands: a class record and a message map. OnCmdMsg
// looks the (message, code, id) of a command up in the object's map chain and calls the handler
// of the first entry that matches.
#include <cstdint>

#include "platform/base/SClassInfo.h"
#include "platform/ui/SMsgMap.h"

// What a lookup found, when the caller asks only whether a handler exists.
struct SCmdHandlerInfo {
    SCmdTarget* target = nullptr;
    const SMsgMapEntry* entry = nullptr;
};

// The extra data of a WM_NOTIFY routed as a command: the caller's result and the record.
struct SNotifyInfo {
    LRESULT* result = nullptr;
    NMHDR* header = nullptr;
};

class SCmdTarget {
public:
    SCmdTarget() = default;
    SCmdTarget(const SCmdTarget&) = delete;
    SCmdTarget& operator=(const SCmdTarget&) = delete;
    virtual ~SCmdTarget() = default;

    virtual const SClassInfo* GetClassInfo() const { return &classSCmdTarget; }
    bool IsKindOf(const SClassInfo* info) const { return GetClassInfo()->IsDerivedFrom(info); }

    // Routes a command: `code` is CN_COMMAND (0) or a control's notification code for
    // WM_COMMAND, MAKELONG(code, WM_NOTIFY) for a notification (`extra` an SNotifyInfo), or
    // CN_UPDATE_COMMAND_UI (`extra` the SCmdUI). With `info` the handler is only looked up.
    // Non-zero when an entry took it. A handler that fails does not fail the routing: what it
    // threw is reported through the exception dialog (a user's abort is not) and the command
    // counts as taken.
    virtual int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info);

    virtual const SMsgMap* GetMessageMap() const { return &msgMap; }
    static const SMsgMap msgMap;
    static const SClassInfo classSCmdTarget;

    // The first entry of the map chain for (message, code, id); null when none matches.
    static const SMsgMapEntry* FindEntry(const SMsgMap* map, uint32_t message, int32_t code, uint32_t id);

protected:
    // Calls a handler of kind SigVoid, SigCmdId, SigNotify or SigCmdUI for a command.
    int32_t DispatchCommand(const SMsgMapEntry& entry, uint32_t id, void* extra);

private:
    // Reports the exception being handled, which a handler of command `id` threw.
    static void ReportHandlerFailure(uint32_t id, int32_t code) noexcept;
};
