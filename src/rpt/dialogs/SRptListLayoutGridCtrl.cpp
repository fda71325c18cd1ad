#include "rpt/dialogs/SRptListLayoutGridCtrl.h"

#include "rpt/dialogs/SRptListLayoutGridColFactory.h"
#include "rpt/dialogs/SRptListLayoutGridRowFactory.h"

void SRptListLayoutGridCtrl::SetRoot(ISRepObject* root, const GUID& classId) {
    InstallFactories<SRptListLayoutGridColFactory, SRptListLayoutGridRowFactory>(root, classId);
}
