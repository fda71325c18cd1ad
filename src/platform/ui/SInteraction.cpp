#include "varod9/SInteraction.h"

#include "platform/ui/SNonInteractiveScript.h"

namespace {
struct State {
    SInteractionScript* script = nullptr;
    std::vector<SPrompt> transcript;
};
State& TheState() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static State* state = new State();
    return *state;
}
}  // namespace

SAnswer SInteraction::Ask(const SPrompt& prompt) {
    State& state = TheState();
    state.transcript.push_back(prompt);
    if (state.script) return state.script->Answer(prompt);
    SNonInteractiveScript fallback;
    return fallback.Answer(prompt);
}

SInteractionScript* SInteraction::SetScript(SInteractionScript* script) {
    SInteractionScript* previous = TheState().script;
    TheState().script = script;
    return previous;
}

SInteractionScript* SInteraction::GetScript() {
    return TheState().script;
}

const std::vector<SPrompt>& SInteraction::GetTranscript() {
    return TheState().transcript;
}

void SInteraction::ClearTranscript() {
    TheState().transcript.clear();
}
