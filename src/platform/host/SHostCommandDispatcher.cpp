#include "platform/host/SHostCommandDispatcher.h"

#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellView.h"

namespace {
const SHostMenuItem* FindItem(const std::vector<SHostMenuItem>& items, uint32_t id) {
    for (const SHostMenuItem& item : items) {
        if (item.items.empty() && item.id == id) return &item;
        if (const SHostMenuItem* inner = FindItem(item.items, id)) return inner;
    }
    return nullptr;
}

SComWrap<ISShellCommandTarget> ActiveTarget(SStandInHost& host) {
    SComWrap<ISShellView> view;
    host.GetActiveView(&view);
    SComWrap<ISShellCommandTarget> target;
    if (view) target.Assign(view.Get());
    return target;
}
}  // namespace

ISShellCommandClass* SHostCommandDispatcher::FindCommandClass(uint32_t id) const {
    // The host's own commands go without a command class, wherever they stand.
    if (id >= 1 && id <= 300) return nullptr;
    for (const SHostMenu& menu : m_host.GetMenus())
        if (const SHostMenuItem* item = FindItem(menu.items, id); item && item->data) return item->CommandClass();
    for (const SHostToolbar& toolbar : m_host.GetToolbars())
        for (const SHELLTOOLBARBUTTON& button : toolbar.buttons)
            if (button.commandId == id && id != 0) return button.commandClass ? button.commandClass : toolbar.commandClass;
    for (const SHostViewToolbar& toolbar : m_host.GetViewToolbars())
        for (const SHELLVIEWTBBUTTON& button : toolbar.buttons)
            if (button.commandId == id && id != 0) return button.commandClass;
    for (const SHostAccelerators& table : m_host.GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.commandId == id) return entry.commandClass;
    return nullptr;
}

HRESULT SHostCommandDispatcher::Fire(uint32_t id) {
    m_host.Record("Fire", SString::FromInt(id));
    SComWrap<ISShellCommandTarget> target = ActiveTarget(m_host);
    if (!target) return 1;
    ISShellCommandClass* commandClass = FindCommandClass(id);
    if (target->QueryCommandSupport(id, commandClass) != S_OK) return 1;
    return target->OnCommand(id, commandClass);
}

HRESULT SHostCommandDispatcher::FireAccelerator(uint8_t flags, uint16_t key) {
    for (const SHostAccelerators& table : m_host.GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.flags == flags && entry.key == key) return Fire(entry.commandId);
    return 1;
}

SHostCommandUI SHostCommandDispatcher::QueryCommandUI(uint32_t id) {
    SHostCommandUI answer;
    SComWrap<ISShellCommandTarget> target = ActiveTarget(m_host);
    if (!target) return answer;
    char16_t buffer[256] = {};
    answer.result = target->OnCommandUI(id, FindCommandClass(id), &answer.state, buffer, 256);
    if (answer.state & 8) answer.text = buffer;
    return answer;
}
