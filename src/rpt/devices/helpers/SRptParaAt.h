#pragma once
// The paragraph format at a position of an item's paragraphs, as every writer reads it: an item
// that holds no paragraphs throws E_POINTER, a failed look-up throws its code. Where the format
// must exist, a position that holds none throws E_POINTER too; otherwise it answers null.
#include <cstdint>

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptParaContainer.h"

inline SComWrap<ISRptPara> SRptParaAt(IUnknown* pContainer, int32_t nPos, bool bRequired) {
    SComWrap<ISRptParaContainer> container;
    container = pContainer;
    if (!container) SComThrow(E_POINTER);
    SComWrap<ISRptPara> para;
    const HRESULT hr = container->GetParaAtPos(nPos, &para);
    if (FAILED(hr)) SComThrow(hr);
    if (bRequired && !para) SComThrow(E_POINTER);
    return para;
}
