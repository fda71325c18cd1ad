#include "platform/ui/SNonInteractiveScript.h"

SAnswer SNonInteractiveScript::Answer(const SPrompt& prompt) {
    SAnswer answer;
    switch (prompt.kind) {
        case SPrompt::MessageBox:
            answer.button = prompt.style == SPrompt::YesNo ? IDNO : prompt.defaultButton;
            break;
        case SPrompt::FileDialog:
        case SPrompt::FolderDialog:
            if (!m_paths.empty()) {
                answer.button = IDOK;
                answer.path = m_paths.front();
                m_paths.pop_front();
            }
            break;
        case SPrompt::Dialog:
            // Nobody presses a button of a progress window; a modal dialog is cancelled.
            answer.button = prompt.modeless ? 0 : IDCANCEL;
            break;
        case SPrompt::Menu:
            answer.button = 0;
            break;
        case SPrompt::Open:
            answer.succeeded = true;
            break;
        default:
            answer.button = IDCANCEL;
            break;
    }
    return answer;
}
