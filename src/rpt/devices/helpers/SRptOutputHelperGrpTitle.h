#pragma once
// One member of a group title: the member's title and order word as the module gives them.
#include <cstdint>

#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperGrpTitle : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    SString GetFirstText() override;
    int32_t GetOrder() const { return m_order; }

private:
    SString m_title;
    int32_t m_order = 1;
};
