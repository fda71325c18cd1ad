#include "platform/repo/SRepModuleState.h"

#include <iterator>
#include <utility>

namespace {
const std::pair<uint32_t, const char*> kStrings[] = {
    // The host popup under which modules place their specific commands.
    {2811, "&Repository"},
};
}  // namespace

SModuleState* SRepGetModuleState() {
    static SModuleState* framework = [] {
        auto* state = new SModuleState(MakeGUID("{3C7E1A52-94B0-4D2F-8E61-5A0B9C4D7E13}"));
        state->AddStrings(kStrings, std::size(kStrings));
        return state;
    }();
    return framework;
}
