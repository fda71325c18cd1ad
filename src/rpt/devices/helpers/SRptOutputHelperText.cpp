#include "rpt/devices/helpers/SRptOutputHelperText.h"

#include "varod9/ISRptText.h"

HRESULT SRptOutputHelperText::Init(IUnknown*) {
    m_text = ItemAs<ISRptText>()->GetText();
    return S_OK;
}

SString SRptOutputHelperText::GetText() {
    return m_text;
}

SString SRptOutputHelperText::GetFirstText() {
    return m_text;
}
