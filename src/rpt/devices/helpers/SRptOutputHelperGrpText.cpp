#include "rpt/devices/helpers/SRptOutputHelperGrpText.h"

#include <memory>

HRESULT SRptOutputHelperGrpText::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = InitAndFillNodeRecord(client, &record, std::addressof(procs));
    if (FAILED(hr)) return hr;
    if (procs->GetValue(nullptr, &record) != 0) m_attrText = record.Text2;
    return S_OK;
}

SString SRptOutputHelperGrpText::GetSecondText() {
    return m_attrText;
}
