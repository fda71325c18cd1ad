#include "rpt/devices/generation/SRptGenerationCustomNode.h"

#include <memory>

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptGenerationClient.h"

HRESULT SRptGenerationCustomNode::FillRecord(IUnknown* client, RPTPROCCONTEXT* record, SComWrap<ISRptProcs>* procs) {
    if (!record || !procs) return E_POINTER;
    SComWrap<ISRptCustom> custom;
    custom = GetItem();
    // The caller holds the client for the whole step, so the record borrows it.
    SComWrap<ISRptGenerationClient> typedClient;
    typedClient.Assign(client);
    record->GenerationClient = typedClient.Get();
    record->Occurrence = GetOccurrence();
    record->ItemParam = custom->GetItemParam();
    FillKindFields(*record);

    SComWrap<IUnknown> userProcs;
    const HRESULT hr = custom->GetUserProcs(&userProcs);
    if (FAILED(hr)) SComThrow(hr);
    void* found = nullptr;
    const HRESULT query = userProcs->QueryInterface(GetProcsIID(), &found);
    if (FAILED(query) && query != E_NOINTERFACE) SComThrow(query);
    if (!found) SComThrow(E_POINTER);
    procs->Attach(static_cast<ISRptProcs*>(found));
    return S_OK;
}

HRESULT SRptGenerationCustomNode::Prepare(IUnknown* client) {
    if (GetState() >= RPTNODE_PREPARED) return S_OK;
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = FillRecord(client, &record, std::addressof(procs));
    // The module answers through the record; its results tell the node nothing.
    procs->Begin(nullptr, &record);
    procs->Process(nullptr, &record);
    SetState(RPTNODE_PREPARED);
    return hr;
}

void SRptGenerationCustomNode::CallModule(IUnknown* client, Step step) {
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    FillRecord(client, &record, std::addressof(procs));
    (procs.Get()->*step)(nullptr, &record);
}

HRESULT SRptGenerationCustomNode::Reselect(IUnknown* client) {
    CallModule(client, &ISRptProcs::Process);
    SetState(RPTNODE_PREPARED);
    return S_OK;
}

HRESULT SRptGenerationCustomNode::Leave(IUnknown* client) {
    CallModule(client, &ISRptProcs::End);
    SetState(RPTNODE_CLOSED);
    return S_OK;
}

void SRptGenerationCustomNode::FillDisplayedTitle(RPTPROCCONTEXT& record) {
    SComWrap<ISRptCustom> custom;
    custom = GetItem();
    record.Text1 = custom->GetDispTitle();
}
