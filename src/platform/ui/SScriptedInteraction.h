#pragma once
// A script of expected prompts and their answers, in order. A prompt that does not match the
// next expectation (or comes when none is left) is recorded as unexpected and answered Cancel,
// so that a test can fail on it.
#include <deque>

#include "varod9/SInteraction.h"

class SScriptedInteraction : public SInteractionScript {
public:
    // Expects a prompt of `kind` whose text contains `textPart` (empty: any text).
    SScriptedInteraction& Expect(SPrompt::Kind kind, const SString& textPart, const SAnswer& answer);
    SScriptedInteraction& ExpectMessage(const SString& textPart, int32_t button = IDOK);
    SScriptedInteraction& ExpectFileDialog(const SString& path);  // empty path: cancel
    // A dialog or property sheet of the template `dialogId`: the values are set on its controls
    // (after turning to `activePage` of a sheet), then `button` is pressed.
    SScriptedInteraction& ExpectDialog(uint32_t dialogId, int32_t button, std::map<int32_t, SString> controlValues = {},
                                       int32_t activePage = -1);
    // A popup menu, answered with the command chosen (0: none).
    SScriptedInteraction& ExpectMenu(uint32_t command);
    SScriptedInteraction& ExpectOpen(const SString& file, bool succeeded = true);

    SAnswer Answer(const SPrompt& prompt) override;

    bool IsComplete() const { return m_expected.empty(); }
    const std::vector<SString>& GetUnexpected() const { return m_unexpected; }

private:
    struct Expectation {
        SPrompt::Kind kind;
        SString textPart;
        SAnswer answer;
    };
    std::deque<Expectation> m_expected;
    std::vector<SString> m_unexpected;
};
