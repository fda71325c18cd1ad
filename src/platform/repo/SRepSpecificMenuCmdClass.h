#pragma once
// The command class of a module's specific menus: the commands a module adds to the host's own
// menus. A module declares its menus in InitSpecificMenus into the menu table (outer key a menu
// group or a popup's id, inner map from command or popup id to its text: a status-bar prompt and
// a menu text joined by a line feed, or a caption); the host enumerates them with EnumMenu and
// sends the commands back, which the class's message map dispatches.
#include <cstdint>
#include <map>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellCommandClass.h"
#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/ui/SCmdTarget.h"

class SRepSpecificMenuCmdClass : public SCmdTarget, public ISShellCommandClass, public ISShellCommandTarget {
public:
    using SMenuTable = std::map<int32_t, std::map<int32_t, SString>>;
    // The class is held by its command-class face.
    static constexpr GUID iid = ISShellCommandClass::iid;

    const SClassInfo* GetClassInfo() const override { return &classSRepSpecificMenuCmdClass; }
    static const SClassInfo classSRepSpecificMenuCmdClass;

    // IUnknown, the same on both faces: IUnknown and ISShellCommandClass give the command-class
    // face, ISShellCommandTarget the target face. Counted from 1, the maker's reference.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refCount); }
    uint32_t Release() override;

    // ISShellCommandClass: the class id is the module's; the help of a declared command is its
    // prompt (any `which` but 1) or its menu text (1), cut to the buffer. S_FALSE for a command
    // that is not declared, E_POINTER without a buffer.
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

    // ISShellCommandTarget: a command is supported when the message map has a handler for it;
    // OnCommand answers S_OK when a handler took it, S_FALSE otherwise. The state is that of the
    // update handler, or enabled exactly when a command handler exists.
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state, char16_t* text,
                        uint32_t cch) override;
    HRESULT OnControlNotify(uint32_t id, ISShellCommandClass* commandClass, MSG* msg, int32_t* result) override;

    // Keeps the host frame and declares the menus (once); InitSpecificMenus's result.
    virtual HRESULT OnInitialize(ISShellHostFrame* hostFrame);
    // Fills the menu table; the base declares nothing.
    virtual HRESULT InitSpecificMenus() { return S_OK; }
    // The entry at `*position` of the menu `key` (a group or a popup id), and the position moved
    // on: S_OK; S_FALSE past the last entry or for a key that is not declared.
    virtual HRESULT EnumMenu(int32_t key, int32_t* position, int32_t* id, SString* text);

    SMenuTable& GetMenuTable() { return m_menus; }
    const SMenuTable& GetMenuTable() const { return m_menus; }
    ISShellHostFrame* GetHostFrame() const { return m_hostFrame.Get(); }

protected:
    SRepSpecificMenuCmdClass() = default;
    ~SRepSpecificMenuCmdClass() override;

private:
    // The declared text of command `id` in any menu; null when none.
    const SString* FindCommandText(uint32_t id) const;

    int32_t m_refCount = 1;
    bool m_initialised = false;
    SComWrap<ISShellHostFrame> m_hostFrame;
    SMenuTable m_menus;
};
