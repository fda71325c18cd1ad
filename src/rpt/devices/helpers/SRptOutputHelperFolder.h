#pragma once
// One member of a folder: the member's title as the module gives it.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperFolder : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    SString GetFirstText() override;

private:
    SString m_title;
};
