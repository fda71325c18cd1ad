#include "rpt/devices/helpers/SRptOutputHelperFolder.h"

HRESULT SRptOutputHelperFolder::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    const HRESULT hr = ReadMemberText(client, &record, &m_title);
    return FAILED(hr) ? hr : S_OK;
}

SString SRptOutputHelperFolder::GetText() {
    return m_title;
}

SString SRptOutputHelperFolder::GetFirstText() {
    return m_title;
}
