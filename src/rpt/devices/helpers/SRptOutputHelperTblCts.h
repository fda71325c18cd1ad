#pragma once
// The table of contents reads its entries from the tree, not from its item.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperTblCts : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
};
