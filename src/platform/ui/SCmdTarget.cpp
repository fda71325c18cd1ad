#include "platform/ui/SCmdTarget.h"

#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SExceptionDialog.h"
#include "platform/base/SExceptionResult.h"
#include "platform/ui/SCmdUI.h"

namespace {
const SMsgMapEntry kNoEntries[] = {SMsgMapEntry{}};
}  // namespace

const SMsgMap SCmdTarget::msgMap = {nullptr, kNoEntries};
const SClassInfo SCmdTarget::classSCmdTarget = {"SCmdTarget", nullptr};

const SMsgMapEntry* SCmdTarget::FindEntry(const SMsgMap* map, uint32_t message, int32_t code, uint32_t id) {
    for (; map; map = map->getBaseMap ? map->getBaseMap() : nullptr) {
        for (const SMsgMapEntry* entry = map->entries; entry && entry->sig != SigEnd; ++entry) {
            if (entry->message != message) continue;
            // Codes travel as 16-bit words; the map holds them signed (-722, -10000 ...).
            if (static_cast<int16_t>(entry->code) != static_cast<int16_t>(code)) continue;
            if (id < entry->firstId || id > entry->lastId) continue;
            return entry;
        }
    }
    return nullptr;
}

int32_t SCmdTarget::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    uint32_t message = WM_COMMAND;
    int32_t notifyCode = code;
    if (code != CN_UPDATE_COMMAND_UI) {
        message = HIWORD(static_cast<uint32_t>(code));
        notifyCode = static_cast<int16_t>(LOWORD(static_cast<uint32_t>(code)));
        if (message == 0) message = WM_COMMAND;
    }
    const SMsgMapEntry* entry = FindEntry(GetMessageMap(), message, notifyCode, id);
    if (!entry) return 0;
    if (info) {
        info->target = this;
        info->entry = entry;
        return 1;
    }
    try {
        return DispatchCommand(*entry, id, extra);
    } catch (...) {
        // The handler took the command: it must not travel on to the next target and be run
        // there as well. Nothing of the object is touched: the handler may have deleted it.
        ReportHandlerFailure(id, code);
        return 1;
    }
}

void SCmdTarget::ReportHandlerFailure(uint32_t id, int32_t code) noexcept {
    try {
        throw;
    } catch (const SEIOAbortedException&) {
        // The user stopped the operation; there is nothing to tell them.
    } catch (...) {
        SString text;
        SExceptionResult::FromCurrent(text);
        try {
            SExceptionDialog_(__FILE__, __LINE__, "SCmdTarget::OnCmdMsg(id = %u, code = %d, ...)\n (%s)", id, code,
                              text.IsEmpty() ? SString("unknow") : text);
        } catch (...) {
            // A report that cannot be made must not become a failure of its own.
        }
    }
}

int32_t SCmdTarget::DispatchCommand(const SMsgMapEntry& entry, uint32_t id, void* extra) {
    switch (entry.sig) {
    case SigVoid:
    case SigClose:
        (this->*entry.handler.pfn)();
        return 1;
    case SigCmdId:
        (this->*entry.handler.pfnId)(id);
        return 1;
    case SigNotify: {
        auto* notify = static_cast<SNotifyInfo*>(extra);
        LRESULT ignored = 0;
        (this->*entry.handler.pfnNotify)(
            notify ? notify->header : nullptr, notify && notify->result ? notify->result : &ignored);
        return 1;
    }
    case SigCmdUI: {
        auto* cmdUI = static_cast<SCmdUI*>(extra);
        if (!cmdUI) return 0;
        cmdUI->m_bContinueRouting = false;
        (this->*entry.handler.pfnCmdUI)(cmdUI);
        // A handler may pass the query on to the next target.
        return cmdUI->m_bContinueRouting ? 0 : 1;
    }
    default:
        return 0;
    }
}
