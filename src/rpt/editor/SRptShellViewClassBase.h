#pragma once
// The base of the library's kinds of editor views (template editor, report editors, print
// preview), of which the shell module makes one each for the process. A kind of view is counted
// from 1, the reference of the module that made it. It names its view class id, hands the host
// its menus, toolbars and accelerators once the module has initialised it, and gives the texts
// of its commands from the library's strings.
#include <cstdint>

#include "platform/host/SShellViewClass.h"

// The view class id of the template and report editors.
inline constexpr GUID CLSID_SRptEditorViewClass = MakeGUID("{9D5BD2A0-E853-11D2-B696-0008C7EA924D}");
// The view class id of the print preview.
inline constexpr GUID CLSID_SRptPreviewViewClass = MakeGUID("{9D5BD2A1-E853-11D2-B696-0008C7EA924D}");
// The command class id of the report editors.
inline constexpr GUID CLSID_SRptReportCommandClass = MakeGUID("{8A89ADB9-DDF2-45D8-BAC4-10DB58036621}");

// The library's command bars.
inline constexpr uint32_t IDR_RPT_EDITOR_MENU = 302;
inline constexpr uint32_t IDR_RPT_PREVIEW_TOOLBAR = 232;
inline constexpr uint32_t IDR_RPT_REPORT_TOOLBAR = 343;
inline constexpr uint32_t IDR_RPT_REPORT_VIEW_TOOLBAR = 347;
inline constexpr uint32_t IDR_RPT_PREVIEW_ACCEL = 429;
inline constexpr uint32_t IDR_RPT_EDITOR_ACCEL = 430;
// The id the "&Report" popup of menu 302 takes before the host gets the menu.
inline constexpr uint32_t ID_RPT_REPORT_POPUP = 40;

class SRptShellViewClassBase : public SShellViewClass {
public:
    // Writes the view class id: 0; E_POINTER for a null pointer.
    HRESULT GetViewClassID(GUID* id) override;

    // The class's host frame, without a reference of the caller's (null until the class was
    // attached to a module that has one): 0; E_POINTER for a null out-pointer.
    HRESULT GetShellHostFrame(ISShellHostFrame** out) const;

    // Hands the host the kind's command bars; called once by the shell module after attaching
    // the class. The argument is not used. Always 0; a host frame that refuses a command-bar
    // interface with anything but E_NOINTERFACE throws SECOMException.
    virtual HRESULT OnInitialize(int32_t arg) = 0;

    // The library's wording of the host's "&Docking View" (120) and "&Hide" (122): the part of
    // the string after its first line feed (prompt) or after its second (tooltip), when it has one.
    int32_t GetStandardCommandHelp(uint32_t id, char16_t* buffer, uint32_t size, int32_t tooltip) override;

protected:
    SRptShellViewClassBase() { AddRef(); }
    ~SRptShellViewClassBase() override = default;

    // The library's strings.
    SModuleState* GetResourceState() const override;

    // The texts of the concrete kinds: the library's string of the command, or the
    // user-interface library's when the library has none; the prompt (which other than 1) or the
    // tooltip (which 1), bounded by `size` units. 0 when written, 1 when neither has a text,
    // E_POINTER for a null buffer.
    HRESULT LibraryCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size);
    // Menu 302 with its popup renumbered 40, given to the host.
    void RegisterEditorMenu();
    // Accelerator table `id` of the library, given to the host.
    void RegisterAcceleratorTable(uint32_t id);
    HRESULT GetViewClassIDOf(const GUID& classId, GUID* id) const;
};
