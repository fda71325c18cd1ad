// The command bars of a kind of view: the library's menus, toolbars and accelerators turned into
// the host's records, every command marked with the kind's command-class face.
#include "platform/host/SShellViewClass.h"

#include "platform/host/ISShellViewToolbars.h"
#include "platform/ui/SAccelerators.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SResInstance.h"
#include "platform/ui/SToolbarResource.h"

namespace {
// The host's own commands, which never carry a command class of the library: not in a menu,
// not on a toolbar button, not in an accelerator.
bool IsHostCommand(uint32_t id) {
    return id >= 1 && id <= 300;
}

bool Accepted(HRESULT hr) {
    return hr >= 0;
}
}  // namespace

template <class I>
SComWrap<I> SShellViewClass::AskHost() const {
    SComWrap<I> face;
    // A refusal with E_NOINTERFACE leaves it empty; any other failure throws.
    if (m_hostFrame) face = static_cast<IUnknown*>(m_hostFrame.Get());
    return face;
}

void SShellViewClass::StampMenuCommandClass(HMENU menu, ISShellCommandClass* commandClass) {
    const int32_t count = GetMenuItemCount(menu);
    for (int32_t position = 0; position < count; ++position) {
        MENUITEMINFOA info;
        info.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<uint32_t>(position), 1, &info)) continue;
        if (info.hSubMenu) StampMenuCommandClass(info.hSubMenu, commandClass);
        if (IsHostCommand(info.wID)) continue;
        MENUITEMINFOA data;
        data.fMask = MIIM_DATA;
        data.dwItemData = reinterpret_cast<uintptr_t>(commandClass);
        SetMenuItemInfoA(menu, static_cast<uint32_t>(position), 1, &data);
    }
}

void SShellViewClass::LoadToolbarButtons(HINSTANCE instance, uint32_t id, uint32_t,
                                         std::vector<SHELLTOOLBARBUTTON>& buttons, ISShellCommandClass* commandClass,
                                         uint32_t kind) {
    buttons.clear();
    SToolbarResource resource;
    if (!resource.Load(instance, id)) return;
    buttons.resize(resource.ids.size());
    bool grouped = false;
    uint32_t image = 0;
    for (size_t i = 0; i < resource.ids.size(); ++i) {
        SHELLTOOLBARBUTTON& button = buttons[i];
        button.kind = kind;
        button.commandId = resource.ids[i];
        button.commandClass = IsHostCommand(resource.ids[i]) ? nullptr : commandClass;
        if (resource.ids[i] == 0) {
            // Separators open and close the groups whose buttons the host draws in style 3.
            grouped = !grouped;
            continue;
        }
        button.bitmapId = id;
        button.imageIndex = image++;
        if (resource.ids[i] != 0xFFFF && grouped) button.style = 3;
    }
}

void SShellViewClass::LoadViewToolbarButtons(HINSTANCE instance, uint32_t id, std::vector<SHELLVIEWTBBUTTON>& buttons,
                                             ISShellCommandClass* commandClass) {
    buttons.clear();
    SToolbarResource resource;
    if (!resource.Load(instance, id)) return;
    buttons.resize(resource.ids.size());
    uint32_t image = 0;
    for (size_t i = 0; i < resource.ids.size(); ++i) {
        SHELLVIEWTBBUTTON& button = buttons[i];
        button.size = 40;
        button.commandId = resource.ids[i];
        if (resource.ids[i] == 0) {
            button.kind = 3;
            continue;
        }
        button.kind = 1;
        button.imageIndex = image++;
        button.commandClass = IsHostCommand(resource.ids[i]) ? nullptr : commandClass;
    }
}

void SShellViewClass::LoadToolbarItems(HINSTANCE instance, uint32_t id, std::vector<SHELLTOOLBARITEM>& items,
                                       void* value) {
    items.clear();
    SToolbarResource resource;
    if (!resource.Load(instance, id)) return;
    bool afterSeparator = false;
    for (const uint16_t entry : resource.ids) {
        if (entry == 0) {
            afterSeparator = true;
            continue;
        }
        SHELLTOOLBARITEM item;
        item.flags = afterSeparator ? 2 : 0;
        item.commandId = entry;
        item.value = value;
        items.push_back(item);
        afterSeparator = false;
    }
}

int32_t SShellViewClass::CopyAcceleratorsToHost(ISShellCommandBars* bars, ISShellCommandClass* commandClass,
                                                HACCEL table) {
    if (!bars) return 0;
    const int32_t count = CopyAcceleratorTableA(table, nullptr, 0);
    if (count <= 0) return 0;
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    const int32_t copied = CopyAcceleratorTableA(table, entries.data(), count);
    if (copied <= 0) return 0;
    std::vector<SHELLACCEL> records(static_cast<size_t>(copied));
    for (size_t i = 0; i < records.size(); ++i) {
        records[i].commandId = entries[i].cmd;
        records[i].commandClass = IsHostCommand(entries[i].cmd) ? nullptr : commandClass;
        records[i].flags = entries[i].fVirt;
        records[i].key = entries[i].key;
    }
    return Accepted(bars->AddAccelerators(commandClass, records.data(), static_cast<uint32_t>(records.size()), 0)) ? 1 : 0;
}

int32_t SShellViewClass::AddToolbar(uint32_t flags, const SString& name, const SHELLTOOLBARBUTTON* buttons,
                                    uint32_t count, uint32_t bitmapId, uint32_t maskColour) {
    SComWrap<ISShellCommandBars> bars = AskHost<ISShellCommandBars>();
    if (!bars) return 0;
    const std::u16string wideName = name.ToU16();
    return Accepted(bars->AddToolbar(flags, wideName.c_str(), buttons, count, GetCommandClassFace(), SGetResInstance(),
                                     bitmapId, maskColour))
               ? 1
               : 0;
}

int32_t SShellViewClass::AddResourceToolbar(uint32_t flags, const SString& name, HINSTANCE instance, uint32_t id,
                                            uint32_t maskColour, uint32_t kind) {
    // Nothing is loaded for a host that cannot take it.
    SComWrap<ISShellCommandBars> bars = AskHost<ISShellCommandBars>();
    if (!bars) return 0;
    std::vector<SHELLTOOLBARBUTTON> buttons;
    LoadToolbarButtons(instance, id, maskColour, buttons, nullptr, kind);
    const std::u16string wideName = name.ToU16();
    return Accepted(bars->AddToolbar(flags, wideName.c_str(), buttons.data(), static_cast<uint32_t>(buttons.size()),
                                     GetCommandClassFace(), instance, id, maskColour))
               ? 1
               : 0;
}

int32_t SShellViewClass::AddViewToolbar(const SString& name, HINSTANCE instance, uint32_t id, uint32_t maskColour,
                                        const SHELLVIEWTBBUTTON* buttons, uint32_t count, uint32_t kind) {
    SComWrap<ISShellViewToolbars> toolbars = AskHost<ISShellViewToolbars>();
    if (!toolbars) return 0;
    const std::u16string wideName = name.ToU16();
    return Accepted(toolbars->AddViewToolbar(GetViewClassFace(), wideName.c_str(), instance, id, maskColour, buttons,
                                             count, kind))
               ? 1
               : 0;
}

int32_t SShellViewClass::AddResourceViewToolbar(const SString& name, HINSTANCE instance, uint32_t id,
                                                uint32_t maskColour, uint32_t kind) {
    std::vector<SHELLVIEWTBBUTTON> buttons;
    LoadViewToolbarButtons(instance, id, buttons, GetCommandClassFace());
    return AddViewToolbar(name, instance, id, maskColour, buttons.data(), static_cast<uint32_t>(buttons.size()), kind);
}

int32_t SShellViewClass::RegisterMenu(HMENU menu) {
    if (!m_hostFrame || !menu) return 0;
    SComWrap<ISShellCommandBars> bars = AskHost<ISShellCommandBars>();
    if (!bars) return 0;
    StampMenuCommandClass(menu, GetCommandClassFace());
    return Accepted(bars->AddMenu(GetViewClassFace(), menu)) ? 1 : 0;
}

int32_t SShellViewClass::RegisterAccelerators(HACCEL table) {
    SComWrap<ISShellCommandBars> bars = AskHost<ISShellCommandBars>();
    if (!bars) return 0;
    return CopyAcceleratorsToHost(bars.Get(), GetCommandClassFace(), table);
}
