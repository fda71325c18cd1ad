#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"

#include <memory>

#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/ISRptUserGraphicProcs.h"

const GUID& SRptGenerationNodeUserGraphic::GetProcsIID() const { return ISRptUserGraphicProcs::iid; }

void SRptGenerationNodeUserGraphic::FillKindFields(RPTPROCCONTEXT& record) {
    SComWrap<ISRptUserGraphic> graphic;
    graphic = GetItem();
    record.GraphicMarker1 = RPTPROCCONTEXT::kUserGraphicMarker;
    record.GraphicMarker2 = RPTPROCCONTEXT::kUserGraphicMarker;
    record.UseZoom = graphic->GetUseZoom() ? 1 : 0;
    record.OnePageType = graphic->GetOnePageType();
    record.ZoomPerct = graphic->GetZoomPerct();
    record.GraphicWord2 = 2;
    record.GraphicWord1 = 1;
}

HRESULT SRptGenerationNodeUserGraphic::Prepare(IUnknown* client) {
    if (GetState() >= RPTNODE_PREPARED) return S_OK;
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = FillRecord(client, &record, std::addressof(procs));
    // The module answers Begin with the picture's size and layout, which the helper needs
    // before it records the drawing.
    procs->Begin(nullptr, &record);
    m_width = record.PictureWidth;
    m_height = record.PictureHeight;
    for (int i = 0; i < 4; ++i) m_words[i] = record.PictureWords[i];
    procs->Process(nullptr, &record);
    SetState(RPTNODE_PREPARED);
    return hr;
}

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeUserGraphic::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperUserGraphic>(this);
}
