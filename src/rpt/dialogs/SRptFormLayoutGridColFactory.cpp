#include "rpt/dialogs/SRptFormLayoutGridColFactory.h"

#include "varod9/ISRptFormRow.h"
#include "varod9/ISRptTableRow.h"

int32_t SRptFormLayoutGridColFactory::ShowGridColumn(const SRepMetaAttribute& attribute) {
    return ShowListed(attribute, {RPTFORMROW_ROWFIELDS, RPTTABLEROW_ENABLED});
}
