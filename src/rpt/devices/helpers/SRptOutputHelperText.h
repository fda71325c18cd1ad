#pragma once
// A free text: its Text.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperText : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    SString GetFirstText() override;

private:
    SString m_text;
};
