#include "rpt/editor/SRptShellViewClassReport.h"

#include "platform/ui/SResInstance.h"
#include "varod9/RptApi.h"

namespace {
constexpr uint32_t kToolbarFlags = 12;
constexpr uint32_t kMaskColour = 0x02C0C0C0;
constexpr uint32_t kButtonKind = 1;
constexpr uint32_t kViewToolbarKind = 3;
// The word "Report" of the view toolbar's name.
constexpr uint32_t IDS_RPT_REPORT_WORD = 45630;
}  // namespace

HRESULT SRptShellViewClassReport::OnInitialize(int32_t) {
    RegisterEditorMenu();
    {
        SModuleStateGuard library(SRptGetModuleState());
        AddResourceToolbar(kToolbarFlags, SString(), SGetResInstance(), IDR_RPT_REPORT_TOOLBAR, kMaskColour,
                           kButtonKind);
        SString word;
        word.LoadString(IDS_RPT_REPORT_WORD, "Report");
        AddResourceViewToolbar("Report Toolbar:" + word, SGetResInstance(), IDR_RPT_REPORT_VIEW_TOOLBAR, kMaskColour,
                               kViewToolbarKind);
    }
    RegisterAcceleratorTable(IDR_RPT_EDITOR_ACCEL);
    return S_OK;
}

HRESULT SRptShellViewClassReport::GetCommandClassID(GUID* id) {
    return GetViewClassIDOf(CLSID_SRptReportCommandClass, id);
}

HRESULT SRptShellViewClassReport::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    return LibraryCommandHelp(id, which, buffer, size);
}
