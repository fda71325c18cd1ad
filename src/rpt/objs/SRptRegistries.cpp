#include "rpt/objs/SRptRegistries.h"

#include <iterator>

#include "rpt/objs/SRptBaseMem.h"

namespace {

struct RegistryRow {
    void (*construct)();
    void (*destroy)();
};

template <class R>
constexpr RegistryRow Row() {
    return {&R::Construct, &R::Destroy};
}

// In the order of construction. The base registries come before those of the classes that
// derive from them.
constexpr RegistryRow kRegistries[] = {
    Row<SRptBaseRegistry>(),
};

}  // namespace

void SRptRegistries::Construct() {
    for (const RegistryRow& row : kRegistries) row.construct();
}

void SRptRegistries::Destroy() {
    for (auto it = std::rbegin(kRegistries); it != std::rend(kRegistries); ++it) it->destroy();
}
