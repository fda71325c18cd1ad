#pragma once
// The script of a host without a user: message boxes give their default answer, yes/no questions
// no, file and folder dialogs the paths given to it in order (cancel when none is left), other
// dialogs Cancel, popup menus nothing, and opening a file is only reported (as a success). It never blocks.
#include <deque>

#include "varod9/SInteraction.h"

class SNonInteractiveScript : public SInteractionScript {
public:
    void AddPath(const SString& path) { m_paths.push_back(path); }
    SAnswer Answer(const SPrompt& prompt) override;

private:
    std::deque<SString> m_paths;
};
