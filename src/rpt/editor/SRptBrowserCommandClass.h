#pragma once
// The one command class of the editor's browsers and their nodes. The host asks it for the
// status-bar prompt and the tooltip of the browsers' commands, and the browsers and nodes take a
// command only when it comes with this class (or with the command face of the editor's view class
// for the node commands). The context menus are stamped with the one or the other when they are
// loaded (StampMenu).
#include <cstdint>

#include "platform/host/SShellCommandClass.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/editor/RptCommandIds.h"

class SRptBrowserCommandClass final : public SShellCommandClass {
public:
    static constexpr GUID clsid = MakeGUID("{A760F421-0B39-4F7F-B4B3-885050B9D236}");

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserCommandClass; }
    static const SClassInfo classSRptBrowserCommandClass;

    // The library's object, alive from its first use to the library's exit.
    static SRptBrowserCommandClass& Get();
    // Its command-class face, the pointer that menus carry and the browsers compare.
    static ISShellCommandClass* GetFace() { return &Get(); }

    // The object is the library's: it starts with the library's reference, and no Release takes
    // that one away.
    uint32_t Release() override;

    // ISShellCommandClass: the class id; the prompt (any `which` but 1) or the tooltip (1) of a
    // command from the library's strings, else the user-interface library's: cut to `size`
    // characters with the terminator, E_POINTER without a buffer, S_FALSE for a command without
    // a text (the buffer left as it was).
    HRESULT GetCommandClassID(GUID* id) override;
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

    // Stamps the item data of every item of `menu` and its submenus: the node commands with
    // `nodeClass` (0 when null), the standard and editor commands with `browserClass`; the other
    // items keep theirs.
    static void StampMenu(HMENU menu, ISShellCommandClass* nodeClass, ISShellCommandClass* browserClass);

private:
    SRptBrowserCommandClass() = default;
    ~SRptBrowserCommandClass() override = default;
};
