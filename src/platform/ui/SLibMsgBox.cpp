#include "platform/ui/SLibMsgBox.h"

void SLibMsgBox::Show(const SString& text, SPrompt::Style style) const {
    SPrompt prompt;
    prompt.kind = SPrompt::MessageBox;
    prompt.caption = m_caption;
    prompt.text = text;
    prompt.style = style;
    prompt.defaultButton = IDOK;
    SInteraction::Ask(prompt);
}

int32_t SLibMsgBox::ConfirmYesNo(const SString& text, int32_t defaultNo) const {
    SPrompt prompt;
    prompt.kind = SPrompt::MessageBox;
    prompt.caption = m_caption;
    prompt.text = text;
    prompt.style = SPrompt::YesNo;
    prompt.defaultButton = defaultNo ? IDNO : IDYES;
    return SInteraction::Ask(prompt).button == IDYES ? 1 : 0;
}
