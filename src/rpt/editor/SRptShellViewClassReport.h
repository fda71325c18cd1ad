#pragma once
// The kind of view of the report editors, on one model or on several: menu 302, toolbar 343, the
// view toolbar 347 "Report Toolbar:Report" and accelerator table 430. Its commands carry a
// command class id of their own.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassReport final : public SRptShellViewClassBase {
public:
    SRptShellViewClassReport() = default;

    HRESULT OnInitialize(int32_t arg) override;
    // Writes the report editors' command class id: 0; E_POINTER for a null pointer.
    HRESULT GetCommandClassID(GUID* id) override;
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

private:
    ~SRptShellViewClassReport() override = default;
};
