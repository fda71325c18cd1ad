#include "rpt/module/SRptHeaderFooterFields.h"

#include <array>
#include <optional>

namespace {
std::optional<std::array<HEADERFOOTERFIELD, RPT_HEADERFOOTER_FIELD_COUNT>>& Table() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static auto* table = new std::optional<std::array<HEADERFOOTERFIELD, RPT_HEADERFOOTER_FIELD_COUNT>>();
    return *table;
}
}  // namespace

void SRptHeaderFooterFields::Construct() {
    if (Table()) return;
    Table().emplace(std::array<HEADERFOOTERFIELD, RPT_HEADERFOOTER_FIELD_COUNT>{{
        {1, 5129, "%DATE%"},
        {2, 5130, "%TIME%"},
        {3, 5131, "%PAGE%"},
        {0, 0, SString()},
    }});
}

void SRptHeaderFooterFields::Destroy() {
    Table().reset();
}

const HEADERFOOTERFIELD* SRptHeaderFooterFields::Get() {
    auto& table = Table();
    return table ? table->data() : nullptr;
}
