#include "rpt/devices/SRptGenerationNodeTemplate.h"

#include "platform/com/SComWrap.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

HRESULT SRptGenerationNodeTemplate::Prepare(IUnknown*) {
    if (GetState() < RPTNODE_PREPARED) SetState(RPTNODE_PREPARED);
    return S_OK;
}

HRESULT SRptGenerationNodeTemplate::Leave(IUnknown*) {
    SetState(RPTNODE_CLOSED);
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
