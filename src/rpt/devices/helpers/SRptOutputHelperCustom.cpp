#include "rpt/devices/helpers/SRptOutputHelperCustom.h"

#include "varod9/ISRptCustom.h"
#include "varod9/ISRptUserProcs.h"

HRESULT SRptOutputHelperCustom::Init(IUnknown*) {
    RPTPROCCONTEXT record;
    const SComWrap<ISRptCustom> custom = ItemAs<ISRptCustom>();
    record.ItemParam = custom->GetItemParam();
    record.Text1 = custom->GetDispTitle();
    SComWrap<IUnknown> userProcs;
    const HRESULT hr = custom->GetUserProcs(&userProcs);
    if (FAILED(hr)) SComThrow(hr);
    SComWrap<ISRptUserProcs> procs;
    procs = userProcs.Get();
    // Only a module that answers non-zero has put a title and an object in the record.
    if (procs->Process(nullptr, &record) != 0) {
        m_title = record.Text2;
        m_objectID = record.ObjectID;
    }
    return S_OK;
}

HRESULT SRptOutputHelperCustom::InitAndFillNodeRecord(IUnknown* client, RPTPROCCONTEXT* record,
                                                      SComWrap<ISRptProcs>* procs) {
    const HRESULT hr = SRptOutputHelperCustom::Init(client);
    if (FAILED(hr)) return hr;
    return FillNodeRecord(client, record, procs);
}

SString SRptOutputHelperCustom::GetText() {
    return m_title;
}

SString SRptOutputHelperCustom::GetFirstText() {
    return m_title;
}
