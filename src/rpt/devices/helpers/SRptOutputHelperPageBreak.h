#pragma once
// A page break shows nothing but the break itself.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperPageBreak : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
};
