#include "rpt/editor/SRptShellViewClassTemplate.h"

HRESULT SRptShellViewClassTemplate::OnInitialize(int32_t) {
    RegisterEditorMenu();
    RegisterAcceleratorTable(IDR_RPT_EDITOR_ACCEL);
    return S_OK;
}

HRESULT SRptShellViewClassTemplate::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    return LibraryCommandHelp(id, which, buffer, size);
}
