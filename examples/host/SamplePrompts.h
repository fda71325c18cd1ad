#pragma once
// The sample host's answers to the library's prompts. A desktop host shows its dialogs here; a
// host without a user, like this one, answers them in code: every file dialog (the report's file,
// the HTML contents page, the file a print goes to) with the output it is writing now, the print
// dialog with printing to a file, a yes/no question (whether to open what was written) with no,
// any other message with its default button; a progress window is left to run, and anything else
// is cancelled.
#include "varod9/SInteraction.h"

class SamplePrompts : public SInteractionScript {
public:
    void SetOutput(const SString& path) { m_output = path; }
    SAnswer Answer(const SPrompt& prompt) override;

private:
    SString m_output;
};
