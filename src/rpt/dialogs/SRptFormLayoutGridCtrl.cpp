#include "rpt/dialogs/SRptFormLayoutGridCtrl.h"

#include "rpt/dialogs/SRptFormLayoutGridColFactory.h"
#include "rpt/dialogs/SRptFormLayoutGridRowFactory.h"

void SRptFormLayoutGridCtrl::SetRoot(ISRepObject* root, const GUID& classId) {
    InstallFactories<SRptFormLayoutGridColFactory, SRptFormLayoutGridRowFactory>(root, classId);
}
