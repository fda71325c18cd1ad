#pragma once
// The kind of view of the template editor: menu 302 and accelerator table 430.
#include "rpt/editor/SRptShellViewClassBase.h"

class SRptShellViewClassTemplate final : public SRptShellViewClassBase {
public:
    SRptShellViewClassTemplate() = default;

    HRESULT OnInitialize(int32_t arg) override;
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

private:
    ~SRptShellViewClassTemplate() override = default;
};
