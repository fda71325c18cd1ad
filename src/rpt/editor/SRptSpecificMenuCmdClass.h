#pragma once
// The library's own command in the host's menus: "Report &Templates..." in the repository popup
// of menu group 4. It runs the list of report templates and has the shell module open the
// template chosen there. The shell module makes it when the host first asks for its specific
// menus.
#include <cstdint>

#include "platform/repo/SRepSpecificMenuCmdClass.h"

// The command class's id, which the host sends back with the command.
inline constexpr GUID CLSID_SRptSpecificMenuCmdClass = MakeGUID("{9D5BD2C5-E853-11D2-B696-0008C7EA924D}");

class SRptSpecificMenuCmdClass : public SRepSpecificMenuCmdClass {
public:
    // The templates command, its text in the library's strings, the repository popup it goes in
    // (a string of the repository framework's) and the menu group of that popup.
    static constexpr uint32_t ID_RPT_TEMPLATES = 6100;
    static constexpr int32_t IDS_REP_POPUP = 2811;
    static constexpr int32_t kMenuGroup = 4;

    SRptSpecificMenuCmdClass() = default;

    const SClassInfo* GetClassInfo() const override { return &classSRptSpecificMenuCmdClass; }
    static const SClassInfo classSRptSpecificMenuCmdClass;
    S_DECLARE_MESSAGE_MAP()

public:
    HRESULT GetCommandClassID(GUID* id) override;
    // Declares popup 2811 in group 4 and command 6100 in that popup. S_OK.
    HRESULT InitSpecificMenus() override;
    // Runs the templates list; on OK hands its action and file to the shell module.
    virtual void OnTemplatesEditor();

protected:
    ~SRptSpecificMenuCmdClass() override = default;
};
