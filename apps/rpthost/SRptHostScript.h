#pragma once
// rpthost's answers to the library's prompts: those of a host without a user, except that the
// print dialog is confirmed with printing to a file, and every file dialog (the save dialog of a
// report file, the file dialog of a print to a file) is answered with the one output path.
// Progress windows are left alone, so that a run is never cancelled.
#include "platform/ui/SNonInteractiveScript.h"

class SRptHostScript : public SInteractionScript {
public:
    explicit SRptHostScript(const SString& output) : m_output(output) {}
    SAnswer Answer(const SPrompt& prompt) override;

private:
    SString m_output;
    SNonInteractiveScript m_otherwise;
};
