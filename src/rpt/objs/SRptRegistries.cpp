#include "rpt/objs/SRptRegistries.h"

#include <iterator>

#include "rpt/objs/SRptBaseMem.h"
#include "rpt/objs/SRptCustomMem.h"
#include "rpt/objs/SRptFieldMem.h"
#include "rpt/objs/SRptFolderMem.h"
#include "rpt/objs/SRptFormCellMem.h"
#include "rpt/objs/SRptFormMem.h"
#include "rpt/objs/SRptFormRowMem.h"
#include "rpt/objs/SRptGroupMem.h"
#include "rpt/objs/SRptGrpTextMem.h"
#include "rpt/objs/SRptGrpTitleMem.h"
#include "rpt/objs/SRptListCellMem.h"
#include "rpt/objs/SRptListMem.h"
#include "rpt/objs/SRptListRowMem.h"
#include "rpt/objs/SRptTableCellMem.h"
#include "rpt/objs/SRptTableMem.h"
#include "rpt/objs/SRptTableRowMem.h"
#include "rpt/objs/SRptUserGraphicMem.h"
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
    // Groups, tables with their rows and cells, and the other module items.
    Row<SRptGroupRegistry>(),
    Row<SRptFolderRegistry>(),
    Row<SRptGrpTitleRegistry>(),
    Row<SRptGrpTextRegistry>(),
    Row<SRptUserGraphicRegistry>(),
    Row<SRptTableRegistry>(),
    Row<SRptFormRegistry>(),
    Row<SRptListRegistry>(),
    Row<SRptTableRowRegistry>(),
    Row<SRptFormRowRegistry>(),
    Row<SRptListRowRegistry>(),
    Row<SRptTableCellRegistry>(),
    Row<SRptFormCellRegistry>(),
    Row<SRptListCellRegistry>(),
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
