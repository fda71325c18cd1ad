#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"

#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelperTemplate.h"
#include "varod9/ISRptGenerationClient.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

HRESULT SRptGenerationNodeTemplate::Prepare(IUnknown* client) {
    if (GetState() >= RPTNODE_PREPARED) return S_OK;
    SetState(RPTNODE_PREPARED);
    SComWrap<ISRptGenerationClient> typedClient;
    typedClient.Assign(client);
    if (!typedClient) return S_OK;
    // A writer walking the tree gives the client the same begin as the generation passes.
    return typedClient->OnTemplateStart(GetTemplatePosition());
}

HRESULT SRptGenerationNodeTemplate::Leave(IUnknown* client) {
    SetState(RPTNODE_CLOSED);
    SComWrap<ISRptGenerationClient> typedClient;
    typedClient.Assign(client);
    if (typedClient) typedClient->OnTemplateEnd(GetTemplatePosition());
    return S_OK;
}

int32_t SRptGenerationNodeTemplate::GetTemplatePosition() const {
    SComWrap<ISRptTemplate> templ;
    templ = GetItem();
    SComWrap<ISRptReport> report;
    report = templ->GetParentReport();
    if (!report) return 0;
    int32_t count = 0;
    report->GetTemplatesCount(&count);
    for (int32_t pos = 0; pos < count; ++pos) {
        SComWrap<ISRptTemplate> other;
        if (SUCCEEDED(report->GetTemplateAtPos(pos, &other)) && other.IsEqualObject(templ.Get())) return pos;
    }
    return count;
}

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTemplate::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTemplate>(this);
}
