#include "rpt/objs/SRptRegistries.h"

#include <iterator>

#include "rpt/objs/SRptBaseMem.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "rpt/objs/tables/SRptTableCellMem.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "rpt/objs/tables/SRptTableRowMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/items/SRptFileMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/paras/SRptParaContainerMem.h"
#include "rpt/objs/paras/SRptParaFooterMem.h"
#include "rpt/objs/paras/SRptParaHeaderMem.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"

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
    // The reports, their templates and the available items of the modules.
    Row<SRptTemplateRegistry>(),
    Row<SRptAvailableItemsRegistry>(),
    Row<SRptReportRegistry>(),
};

}  // namespace

void SRptRegistries::Construct() {
    for (const RegistryRow& row : kRegistries) row.construct();
}

void SRptRegistries::Destroy() {
    for (auto it = std::rbegin(kRegistries); it != std::rend(kRegistries); ++it) it->destroy();
}
