#pragma once
// The library's prompts and the host's answers. Everything the library would ask a user (message
// boxes, the save dialogs of report files and of printing to a file, the templates folder, the
// print and page set-up dialogs, its own dialogs and property sheets, its progress windows, popup
// menus, opening a generated file with the desktop's program) is a prompt put to the one
// interaction script that the host installs, and the script's answer is what the user did. In a
// desktop host the script shows the host's own dialogs; in a server, a batch run or a test the
// script is code that answers from what it was given. Every prompt is recorded in a transcript.
//
// Without an installed script the library answers for a host without a user: message boxes their
// default button, yes/no questions no, file and folder dialogs Cancel (so that a report is not
// generated), dialogs Cancel, progress windows nothing, popup menus no command, and opening a
// file succeeds without anything being opened.
//
// What each kind of prompt carries, and what is read of the answer:
// - MessageBox: `caption` and `text`; `style` Error, Warning or Information for a message, whose
//   answer is not read; YesNo for a question, `defaultButton` the button offered first (IDYES or
//   IDNO): `button` IDYES is yes, anything else no.
// - FileDialog: `caption` "Open" or "Save As", `text` the file name offered ("Quarterly.rtf"),
//   `openMode`, `defaultExtension` ("rtf", "htm", "prn"), `flags` (0x2 confirm an overwrite,
//   0x4 hide read-only) and `filter` ("Rtf files (*.rtf)|*.rtf|All files (*.*)|*.*|"). Read:
//   `button` IDOK with a non-empty `path` (the full path, "/" separated) chooses the file, the
//   default extension added when the file name has none; anything else cancels.
// - FolderDialog: `caption` the title, `text` the folder it starts in. Read: `button` IDOK with
//   a non-empty `path`; anything else cancels.
// - PrintDialog: `caption` "Print" (or "Print Setup" with `flags` 0x40, set-up only), `text` the
//   printer's name, `flags`. Read: `button` IDOK, and `controlValues` of the system's print
//   dialog, each left out to keep what the dialog shows: 0x420 all pages ("1"), 0x422 a page
//   range ("1"), 0x480 and 0x481 the first and last page, 0x482 the copies, 0x410 print to a
//   file ("1" or "0": printing to a file then asks for the file in a FileDialog). Set-up only:
//   0x471 the paper number, 0x420 portrait, 0x421 landscape.
// - PageSetupDialog: `caption` "Page Setup", `text` the printer's name. Read: `button` IDOK and
//   `controlValues` 0x471 the paper, 0x420 portrait, 0x421 landscape, 0x483 to 0x486 the left,
//   top, right and bottom margins in hundredths of a millimetre.
// - Dialog: one of the library's dialogs or property sheets, `caption` its title, `text` its
//   template id in decimal. Read: `activePage` (a property sheet turns to that page first), then
//   `controlValues` (control id to the value the user leaves in it: the text of an edit box or of
//   a list's item, "1" or "0" for a check box or radio button), then `button` is pressed (IDOK,
//   IDCANCEL or another button's id). A `modeless` one is a progress window that stays open while
//   the work goes on; its `button` is pressed when the library next lets the user act, so answer
//   0 to let the work run (IDCANCEL stops it).
// - Open: `caption` the shell's action ("open"), `text` the file, `parameters`. Read:
//   `succeeded`, whether the desktop's program took the file.
// - Menu: a popup menu, `text` its handle. Read: `button` the command chosen, 0 for none.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/base/SString.h"
#include "varod9/RptExport.h"

// The buttons of message boxes and dialogs.
inline constexpr int32_t IDOK = 1;
inline constexpr int32_t IDCANCEL = 2;
inline constexpr int32_t IDYES = 6;
inline constexpr int32_t IDNO = 7;

struct SPrompt {
    enum Kind { MessageBox, FileDialog, FolderDialog, PrintDialog, PageSetupDialog, Dialog, Open, Menu };
    enum Style { None, Error, Warning, Information, YesNo };

    Kind kind = MessageBox;
    SString caption;  // message box caption, dialog title, or the shell action ("open")
    SString text;     // message text, initial file name, dialog id, the file to open, or the menu
    Style style = None;
    int32_t defaultButton = IDOK;
    // File dialogs.
    bool openMode = true;
    SString defaultExtension;
    uint32_t flags = 0;
    SString filter;
    // Dialogs: a modeless one stays open after the answer's values are set; its button is
    // pressed when the program next lets the user act.
    bool modeless = false;
    // Opening a program: what it is handed, one argument however it reads.
    SString parameters;
};

struct SAnswer {
    int32_t button = IDCANCEL;  // IDOK, IDCANCEL, IDYES, IDNO; a dialog's button id; a menu's command (0 none)
    SString path;               // file and folder dialogs
    std::map<int32_t, SString> controlValues;  // dialogs: control id to value, set before the button
    int32_t activePage = -1;    // property sheets: the page to turn to before the values are set
    bool succeeded = false;     // opening a file
};

// The host's side: answers each prompt as the user would, while the library's operation waits.
class RPT_EXPORT SInteractionScript {
public:
    virtual ~SInteractionScript() = default;
    virtual SAnswer Answer(const SPrompt& prompt) = 0;
};

class RPT_EXPORT SInteraction {
public:
    // Puts the prompt to the installed script (the non-interactive one when none is installed)
    // and records it in the transcript.
    static SAnswer Ask(const SPrompt& prompt);

    // Installs a script, not owned, and returns the previous one (null: the non-interactive
    // default). The script must stay alive until it is replaced.
    static SInteractionScript* SetScript(SInteractionScript* script);
    static SInteractionScript* GetScript();

    // Every prompt put since the transcript was last cleared, in order.
    static const std::vector<SPrompt>& GetTranscript();
    static void ClearTranscript();
};

// Installs a script for a scope, and the previous one again at its end.
class SInteractionScope {
public:
    explicit SInteractionScope(SInteractionScript* script) : m_previous(SInteraction::SetScript(script)) {}
    ~SInteractionScope() { SInteraction::SetScript(m_previous); }
    SInteractionScope(const SInteractionScope&) = delete;
    SInteractionScope& operator=(const SInteractionScope&) = delete;

private:
    SInteractionScript* m_previous;
};
