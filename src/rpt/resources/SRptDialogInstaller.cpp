#include "rpt/resources/SRptDialogInstaller.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/ui/SResourceTypes.h"

void SRptDialogInstaller::Install(SModuleState& state, const Row* rows, size_t count) {
    // Kept for the program's life: never destroyed, so no module state outlives the bytes.
    static auto* built = new std::map<const Row*, std::vector<std::vector<uint8_t>>>();
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    std::vector<std::vector<uint8_t>>& bytes = (*built)[rows];
    if (bytes.size() != count) {
        bytes.clear();
        for (size_t i = 0; i < count; ++i) bytes.push_back(SResourceBuilder::Dialog(rows[i].dialog));
    }
    for (size_t i = 0; i < count; ++i) state.AddResource(RT_DIALOG, rows[i].id, bytes[i].data(), bytes[i].size());
}
