#include "platform/ui/SScriptedInteraction.h"

SScriptedInteraction& SScriptedInteraction::Expect(SPrompt::Kind kind, const SString& textPart, const SAnswer& answer) {
    m_expected.push_back({kind, textPart, answer});
    return *this;
}

SScriptedInteraction& SScriptedInteraction::ExpectMessage(const SString& textPart, int32_t button) {
    SAnswer answer;
    answer.button = button;
    return Expect(SPrompt::MessageBox, textPart, answer);
}

SScriptedInteraction& SScriptedInteraction::ExpectFileDialog(const SString& path) {
    SAnswer answer;
    answer.button = path.IsEmpty() ? IDCANCEL : IDOK;
    answer.path = path;
    return Expect(SPrompt::FileDialog, SString(), answer);
}

SScriptedInteraction& SScriptedInteraction::ExpectDialog(uint32_t dialogId, int32_t button,
                                                         std::map<int32_t, SString> controlValues, int32_t activePage) {
    SAnswer answer;
    answer.button = button;
    answer.controlValues = std::move(controlValues);
    answer.activePage = activePage;
    return Expect(SPrompt::Dialog, SString::FromInt(dialogId), answer);
}

SScriptedInteraction& SScriptedInteraction::ExpectMenu(uint32_t command) {
    SAnswer answer;
    answer.button = static_cast<int32_t>(command);
    return Expect(SPrompt::Menu, SString(), answer);
}

SScriptedInteraction& SScriptedInteraction::ExpectOpen(const SString& file, bool succeeded) {
    SAnswer answer;
    answer.succeeded = succeeded;
    return Expect(SPrompt::Open, file, answer);
}

SAnswer SScriptedInteraction::Answer(const SPrompt& prompt) {
    if (!m_expected.empty()) {
        const Expectation& next = m_expected.front();
        if (next.kind == prompt.kind && (next.textPart.IsEmpty() || prompt.text.Find(next.textPart) >= 0)) {
            SAnswer answer = next.answer;
            m_expected.pop_front();
            return answer;
        }
    }
    SString what;
    what.Format("unscripted prompt (kind %d): %s", static_cast<int32_t>(prompt.kind), prompt.text);
    m_unexpected.push_back(what);
    SAnswer refused;
    if (prompt.kind == SPrompt::Menu) refused.button = 0;
    return refused;
}
