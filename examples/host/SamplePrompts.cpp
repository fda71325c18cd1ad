#include "SamplePrompts.h"

SAnswer SamplePrompts::Answer(const SPrompt& prompt) {
    SAnswer answer;
    switch (prompt.kind) {
        case SPrompt::FileDialog:
            answer.button = IDOK;
            answer.path = m_output;
            break;
        case SPrompt::PrintDialog:
            answer.button = IDOK;
            answer.controlValues[IDC_PRINTTOFILE] = "1";
            break;
        case SPrompt::MessageBox:
            answer.button = prompt.style == SPrompt::YesNo ? IDNO : prompt.defaultButton;
            break;
        default:
            answer.button = IDCANCEL;
            break;
    }
    return answer;
}
