#include "platform/ui/SHelp.h"

#include <algorithm>

namespace {
struct Module {
    SString file;
    uint32_t first;
    uint32_t last;
};
std::vector<Module>& Modules() {
    static std::vector<Module> modules;
    return modules;
}
std::vector<SHelpCall>& Calls() {
    static std::vector<SHelpCall> calls;
    return calls;
}
}  // namespace

void SHelp::RegisterHelpModule(const SString& file, uint32_t firstContext, uint32_t lastContext) {
    UnregisterHelpModule(file);
    Modules().push_back({file, firstContext, lastContext});
}

void SHelp::UnregisterHelpModule(const SString& file) {
    auto& modules = Modules();
    modules.erase(std::remove_if(modules.begin(), modules.end(), [&](const Module& m) { return m.file == file; }),
                  modules.end());
}

SString SHelp::FindHelpFile(uint32_t context) {
    for (const Module& module : Modules())
        if (context >= module.first && context <= module.last) return module.file;
    return SString();
}

void SHelp::ShowHelpContext(uint32_t context) {
    Calls().push_back({context, FindHelpFile(context)});
}

const std::vector<SHelpCall>& SHelp::GetCalls() {
    return Calls();
}

void SHelp::ClearCalls() {
    Calls().clear();
}
