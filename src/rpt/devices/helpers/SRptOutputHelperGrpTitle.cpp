#include "rpt/devices/helpers/SRptOutputHelperGrpTitle.h"

HRESULT SRptOutputHelperGrpTitle::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    const HRESULT hr = ReadMemberText(client, &record, &m_title);
    if (FAILED(hr)) return hr;
    // The order word comes with the member's text, or stays as it was made.
    if (hr == S_OK) m_order = record.UserOrder;
    return S_OK;
}

SString SRptOutputHelperGrpTitle::GetText() {
    return m_title;
}

SString SRptOutputHelperGrpTitle::GetFirstText() {
    return m_title;
}
