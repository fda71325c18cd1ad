#include "rpt/devices/print/SRptDrawableParagraph.h"

void SRptDrawableParagraph::GetSize(SIZE* size) const {
    if (size) *size = SIZE{m_block.GetWidth(), m_block.GetHeight()};
}

HRESULT SRptDrawableParagraph::Draw(SDC* dc, const POINT* origin) {
    if (!dc || !origin) return E_INVALIDARG;
    return m_block.Draw(dc, *origin);
}
