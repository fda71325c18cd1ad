#include "SamplePrompts.h"

namespace {
// The print dialog's "Print to file" check box: checked, the print goes to the file the file
// dialog that follows names.
constexpr int32_t kPrintToFile = 0x0410;
}  // namespace

SAnswer SamplePrompts::Answer(const SPrompt& prompt) {
    SAnswer answer;
    switch (prompt.kind) {
        case SPrompt::FileDialog:
            answer.button = IDOK;
            answer.path = m_output;
            break;
        case SPrompt::PrintDialog:
            answer.button = IDOK;
            answer.controlValues[kPrintToFile] = "1";
            break;
        case SPrompt::MessageBox:
            answer.button = prompt.style == SPrompt::YesNo ? IDNO : prompt.defaultButton;
            break;
        case SPrompt::Dialog:
            // A progress window (the printing one) is left alone, so that the work runs on.
            answer.button = prompt.modeless ? 0 : IDCANCEL;
            break;
        default:
            answer.button = IDCANCEL;
            break;
    }
    return answer;
}
