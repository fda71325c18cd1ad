#pragma once
// Every modal or blocking thing the library does (message boxes, file and folder dialogs, print
// and page set-up dialogs, modal dialogs and property sheets, opening a file with the desktop's
// program) is a prompt put to the interaction script that the host installs. The script answers;
// every prompt is recorded in a transcript.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/base/SString.h"

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
    // pressed when the program next lets the user act (SDlg::PumpMessages).
    bool modeless = false;
    // Opening a program: what it is handed, one argument however it reads.
    SString parameters;
};

struct SAnswer {
    int32_t button = IDCANCEL;  // IDOK, IDCANCEL, IDYES, IDNO; a dialog's button id; a menu's command (0 none)
    SString path;               // file and folder dialogs
    std::map<int32_t, SString> controlValues;  // dialogs: control id to value, set before OK
    int32_t activePage = -1;    // property sheets: the page to turn to before the values are set
    bool succeeded = false;     // opening a file
};

class SInteractionScript {
public:
    virtual ~SInteractionScript() = default;
    virtual SAnswer Answer(const SPrompt& prompt) = 0;
};

class SInteraction {
public:
    // Puts the prompt to the installed script (the non-interactive one when none is installed)
    // and records it in the transcript.
    static SAnswer Ask(const SPrompt& prompt);

    // Installs a script and returns the previous one (null: the non-interactive default).
    static SInteractionScript* SetScript(SInteractionScript* script);
    static SInteractionScript* GetScript();

    static const std::vector<SPrompt>& GetTranscript();
    static void ClearTranscript();
};

// Installs a script for a scope.
class SInteractionScope {
public:
    explicit SInteractionScope(SInteractionScript* script) : m_previous(SInteraction::SetScript(script)) {}
    ~SInteractionScope() { SInteraction::SetScript(m_previous); }
    SInteractionScope(const SInteractionScope&) = delete;
    SInteractionScope& operator=(const SInteractionScope&) = delete;

private:
    SInteractionScript* m_previous;
};
