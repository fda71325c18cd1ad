#pragma once
// What the item kinds need about the paragraphs they own: making one at a position of their
// Paragraphs, finding the position of one (by which they name it and give it a report font kind),
// and the library's own strings for the names.
#include <cstdint>

#include "platform/base/SModuleState.h"
#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptApi.h"

// A new paragraph of class `clsid` at `position` of the item's Paragraphs, initialised; the
// creation's code.
inline HRESULT SRptCreateParagraph(ISRepObject* item, const GUID& clsid, int32_t position) {
    SComWrap<ISRepObject> para;
    return item->CreateObject(clsid, reinterpret_cast<void**>(&para), ISRepObject::iid, RPTPARACONTAINER_PARAGRAPHS,
                              position, true);
}

// The position of `para` in the Paragraphs of `container` (-1 when it is not there); false when the
// container has no Paragraphs at all.
inline bool SRptGetParaPosition(const ISRepObject* container, ISRptPara* para, int32_t* position) {
    *position = -1;
    // Asking for a collection changes nothing that the callers' constness protects.
    SComWrap<ISRepClassCol> paragraphs;
    const_cast<ISRepObject*>(container)->GetCollection(RPTPARACONTAINER_PARAGRAPHS, &paragraphs);
    if (!paragraphs) return false;
    if (para) paragraphs->GetPos(para, position);
    return true;
}

// Gives the paragraph at `position` of the item's Paragraphs the stock format of a report font
// kind. The code of a failed look-up; SECOMException(E_POINTER) when no paragraph is there.
inline HRESULT SRptSetupStockParagraph(ISRptParaContainer* item, int32_t position, uint32_t fontKind) {
    SComWrap<ISRptPara> para;
    const HRESULT hr = item->GetParaAtPos(position, &para);
    if (FAILED(hr)) return hr;
    if (!para) SComThrow(E_POINTER);
    // The format is the font kind's whatever the paragraph makes of it.
    para->ConstructStockPara(fontKind);
    return S_OK;
}

// A string of the library's string table, loaded with the library made current.
inline SString SRptLoadString(uint32_t id, const char* defaultText = "") {
    SModuleStateGuard state(SRptGetModuleState());
    SString text;
    text.LoadString(id, defaultText);
    return text;
}
