#include "rpt/resources/SRptStringTable.h"

#include <iterator>
#include <utility>

namespace {
const std::pair<uint32_t, const char*> kStrings[] = {
    {200, "Report Editor"},
    {5129, "Date"},
    {5130, "Time"},
    {5131, "Page"},
};
}  // namespace

void SRptStringTable::Install(SModuleState& state) {
    state.AddStrings(kStrings, std::size(kStrings));
}
