// The shell module's print preview: the preview shell view does the work.
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewReportPreview.h"

HRESULT SRptShellModule::CreateViewReportPreview(ISRptReport* report, ISRptGenerationClient* client,
                                                 SShellView** view, ISShellCommandTarget* target) {
    return SRptShellViewReportPreview::Open(this, report, client, view, target);
}
