#include "rpt/devices/helpers/SRptOutputHelperTitle.h"

#include "varod9/ISRptTitle.h"

HRESULT SRptOutputHelperTitle::Init(IUnknown*) {
    m_text = ItemAs<ISRptTitle>()->GetText();
    return S_OK;
}

SString SRptOutputHelperTitle::GetText() {
    return m_text;
}

SString SRptOutputHelperTitle::GetFirstText() {
    return m_text;
}
