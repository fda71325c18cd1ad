#include "rpt/objs/items/SRptGroupMem.h"

#include "rpt/objs/items/SRptItemParagraphs.h"

// ---- SRptGroupImpl ----

HRESULT SRptGroupImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptCustomImpl::ConstructWithItemDef(pItemDef);
    const HRESULT hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptGroupImpl::SetupTitleParagraph(uint32_t fontKind) {
    const HRESULT result = SRptGroupImpl::SetupParagraphs();
    const HRESULT hr = SRptSetupStockParagraph(this, 0, fontKind);
    return FAILED(hr) ? hr : result;
}

SString SRptGroupImpl::GetTitleParaName(ISRptPara* pPara, uint32_t nameId) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    return position == 0 ? SRptLoadString(nameId) : SRptGroupMem::GetParaName(pPara);
}

int32_t SRptGroupImpl::GetTitleParaFontID(ISRptPara* pPara, int32_t fontKind) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position == 0 ? fontKind : -1;
}
