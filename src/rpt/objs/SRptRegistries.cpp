#include "rpt/objs/SRptRegistries.h"

#include <iterator>

#include "rpt/objs/SRptBaseMem.h"
#include "rpt/objs/SRptCustomMem.h"
#include "rpt/objs/SRptFieldMem.h"
#include "rpt/objs/SRptFileMem.h"
#include "rpt/objs/SRptGraphicFileMem.h"
#include "rpt/objs/SRptGrpMemberMem.h"
#include "rpt/objs/SRptItemMem.h"
#include "rpt/objs/SRptPageBreakMem.h"
#include "rpt/objs/SRptParaContainerMem.h"
#include "rpt/objs/SRptParaFooterMem.h"
#include "rpt/objs/SRptParaHeaderMem.h"
#include "rpt/objs/SRptParaItemMem.h"
#include "rpt/objs/SRptParaMem.h"
#include "rpt/objs/SRptParaTitleMem.h"
#include "rpt/objs/SRptTabulationMem.h"
#include "rpt/objs/SRptTblCtsMem.h"
#include "rpt/objs/SRptTextFileMem.h"
#include "rpt/objs/SRptTextMem.h"
#include "rpt/objs/SRptTitleMem.h"

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
    Row<SRptParaContainerRegistry>(),
    Row<SRptParaRegistry>(),
    Row<SRptParaFooterRegistry>(),
    Row<SRptParaHeaderRegistry>(),
    Row<SRptParaItemRegistry>(),
    Row<SRptParaTitleRegistry>(),
    Row<SRptTabulationRegistry>(),
    Row<SRptItemRegistry>(),
    Row<SRptGrpMemberRegistry>(),
    Row<SRptCustomRegistry>(),
    Row<SRptFieldRegistry>(),
    // The text, title, page break, file and table of contents items.
    Row<SRptFileRegistry>(),
    Row<SRptGraphicFileRegistry>(),
    Row<SRptTextFileRegistry>(),
    Row<SRptTextRegistry>(),
    Row<SRptTitleRegistry>(),
    Row<SRptPageBreakRegistry>(),
    Row<SRptTblCtsRegistry>(),
};

}  // namespace

void SRptRegistries::Construct() {
    for (const RegistryRow& row : kRegistries) row.construct();
}

void SRptRegistries::Destroy() {
    for (auto it = std::rbegin(kRegistries); it != std::rend(kRegistries); ++it) it->destroy();
}
