#pragma once
// The kind of view of the print preview: toolbar 232 with the zoom combo box, accelerator tables
// 429 and 430. Its view class id differs from the editors'.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassPreview final : public SRptShellViewClassBase {
public:
    SRptShellViewClassPreview() = default;

    HRESULT OnInitialize(int32_t arg) override;
    HRESULT GetViewClassID(GUID* id) override;
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

private:
    ~SRptShellViewClassPreview() override = default;
};
