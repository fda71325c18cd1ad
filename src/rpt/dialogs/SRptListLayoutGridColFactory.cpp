#include "rpt/dialogs/SRptListLayoutGridColFactory.h"

#include "varod9/ISRptListCell.h"
#include "varod9/ISRptTableCell.h"

int32_t SRptListLayoutGridColFactory::ShowGridColumn(const SRepMetaAttribute& attribute) {
    return ShowListed(attribute, {RPTTABLECELL_DISPNAME, RPTLISTCELL_SORTED, RPTTABLECELL_ENABLED, RPTTABLECELL_WIDTH});
}
