#include "platform/ui/SResInstance.h"

#include <iterator>
#include <utility>

#include "platform/ui/SLibModuleState.h"

namespace {
// Standard commands of the host's frame, described by the user-interface library.
const std::pair<uint32_t, const char*> kStandardStrings[] = {
    {102, "Closes the active document\nClose"},
    {103, "Changes the page layout settings\nPage Setup"},
    {104, "Changes the printer and printing options\nPrint Setup"},
    {109, "Removes the selection and puts it on the clipboard\nCut"},
    {115, "Deletes the selection\nDelete"},
    {116, "Shows the print preview\nPrint Preview"},
    {2061, "Shows the help contents\nHelp"},
    {6101, "Moves to the other pane\nNext Pane"},
};
}  // namespace

HINSTANCE SLibGetModuleState() {
    // Never destroyed: resources are loaded until the library's last unload step.
    static SLibModuleState* state = [] {
        auto* made = new SLibModuleState();
        made->AddStrings(kStandardStrings, std::size(kStandardStrings));
        return made;
    }();
    return state;
}

HINSTANCE SGetResInstance() {
    return &SModuleState::GetCurrent();
}

HINSTANCE SGetResInstance(uint32_t id, const SString& type) {
    HINSTANCE current = SGetResInstance();
    if (current->FindResource(type, id, nullptr, nullptr)) return current;
    HINSTANCE library = SLibGetModuleState();
    if (library->FindResource(type, id, nullptr, nullptr)) return library;
    return current;
}

bool SFindResource(HINSTANCE instance, uint32_t id, const SString& type, const uint8_t** data, size_t* size) {
    if (!instance) instance = SGetResInstance();
    return instance->FindResource(type, id, data, size);
}
