#include "rpt/devices/SRptGenerationNodeUserGraphic.h"

#include "platform/com/SComWrap.h"
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
