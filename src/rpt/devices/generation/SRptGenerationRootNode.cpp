#include "rpt/devices/generation/SRptGenerationRootNode.h"

HRESULT SRptGenerationRootNode::Prepare(IUnknown*) {
    SetState(RPTNODE_PREPARED);
    return S_OK;
}

HRESULT SRptGenerationRootNode::Reselect(IUnknown*) {
    return S_OK;
}

HRESULT SRptGenerationRootNode::Enter(IUnknown*) {
    SetState(RPTNODE_ENTERED);
    return S_OK;
}

HRESULT SRptGenerationRootNode::Leave(IUnknown*) {
    SetState(RPTNODE_CLOSED);
    return S_OK;
}

HRESULT SRptGenerationRootNode::CreateOutputHelper(IUnknown*) {
    return S_OK;
}
