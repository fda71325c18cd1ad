#pragma once
// A group text: the module's title, then the attribute text the module gives for the occurrence.
#include "rpt/devices/helpers/SRptOutputHelperCustom.h"

class SRptOutputHelperGrpText : public SRptOutputHelperCustom {
public:
    using SRptOutputHelperCustom::SRptOutputHelperCustom;
    HRESULT Init(IUnknown* client) override;
    // The attribute text, the group text's body.
    SString GetSecondText() override;

private:
    SString m_attrText;
};
