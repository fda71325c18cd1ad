#include "rpt/editor/SRptBrowserCommandClass.h"

#include "platform/base/SModuleState.h"
#include "platform/base/SString.h"
#include "platform/base/CopyToHostBuffer.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SResInstance.h"
#include "varod9/RptApi.h"

namespace {

// Which text of a command the host asks for.
constexpr uint32_t kTooltip = 1;

bool InRange(uint32_t id, uint32_t first, uint32_t last) {
    return id >= first && id <= last;
}

// The text of a command: the library's string, or the user-interface library's for the standard
// commands whose texts the library does not carry.
SString LoadCommandText(uint32_t id) {
    SModuleStateGuard library(SRptGetModuleState());
    SString text;
    if (!text.LoadString(id)) {
        SModuleStateGuard userInterface(SLibGetModuleState());
        text.LoadString(id);
    }
    return text;
}

}  // namespace

const SClassInfo SRptBrowserCommandClass::classSRptBrowserCommandClass = {"SRptBrowserCommandClass",
                                                                          &SCmdTarget::classSCmdTarget};

SRptBrowserCommandClass& SRptBrowserCommandClass::Get() {
    static SRptBrowserCommandClass instance;
    return instance;
}

uint32_t SRptBrowserCommandClass::Release() {
    // The object lives in static storage: an unpaired Release from a host must not take the
    // library's own reference, let alone free the object.
    if (GetRefCount() <= 1) return 1;
    return SShellCommandClass::Release();
}

HRESULT SRptBrowserCommandClass::GetCommandClassID(GUID* id) {
    if (!id) return E_POINTER;
    *id = clsid;
    return S_OK;
}

HRESULT SRptBrowserCommandClass::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    if (!buffer) return E_POINTER;
    const SString text = LoadCommandText(id);
    if (text.IsEmpty()) return S_FALSE;
    // The string holds the prompt, a line feed and the tooltip.
    const int32_t feed = text.Find('\n');
    SString part;
    if (which == kTooltip)
        part = feed < 0 ? SString() : text.Mid(feed + 1);
    else
        part = feed < 0 ? text : text.Left(feed);
    CopyToHostBuffer(part, buffer, size);
    return S_OK;
}

void SRptBrowserCommandClass::StampMenu(HMENU menu, ISShellCommandClass* nodeClass, ISShellCommandClass* browserClass) {
    const int32_t count = menu ? GetMenuItemCount(menu) : 0;
    for (int32_t position = 0; position < count; ++position) {
        MENUITEMINFOA item;
        item.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<uint32_t>(position), 1, &item)) continue;
        if (item.hSubMenu) StampMenu(item.hSubMenu, nodeClass, browserClass);
        ISShellCommandClass* stamp = nullptr;
        if (InRange(item.wID, ID_RPT_NODE_COMMAND_FIRST, ID_RPT_NODE_COMMAND_LAST))
            stamp = nodeClass;
        else if (InRange(item.wID, ID_RPT_STANDARD_COMMAND_FIRST, ID_RPT_STANDARD_COMMAND_LAST) ||
                 InRange(item.wID, ID_RPT_EDITOR_COMMAND_FIRST, ID_RPT_EDITOR_COMMAND_LAST))
            stamp = browserClass;
        else
            continue;
        MENUITEMINFOA data;
        data.fMask = MIIM_DATA;
        data.dwItemData = reinterpret_cast<uintptr_t>(stamp);
        SetMenuItemInfoA(menu, static_cast<uint32_t>(position), 1, &data);
    }
}
