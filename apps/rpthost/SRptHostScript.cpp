#include "SRptHostScript.h"

#include "platform/ui/SPrintDlg.h"

SAnswer SRptHostScript::Answer(const SPrompt& prompt) {
    SAnswer answer;
    const bool printSetup = (prompt.flags & PD_PRINTSETUP) != 0;
    if (prompt.kind == SPrompt::PrintDialog && !printSetup) {
        answer.button = IDOK;
        answer.controlValues[SPrintDlg::IDC_PRINTTOFILE] = "1";
        return answer;
    }
    if (prompt.kind == SPrompt::FileDialog && !m_output.IsEmpty()) {
        answer.button = IDOK;
        answer.path = m_output;
        return answer;
    }
    return m_otherwise.Answer(prompt);
}
