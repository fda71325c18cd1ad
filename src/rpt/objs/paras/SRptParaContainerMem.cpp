#include "rpt/objs/paras/SRptParaContainerMem.h"

#include "platform/base/SECOMException.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/ISRptPara.h"
#include "varod9/RptApi.h"

// ---- SRptParaContainerImpl ----

SRepClassColPtr SRptParaContainerImpl::Paragraphs() {
    return GetCollection(RPTPARACONTAINER_PARAGRAPHS);
}

HRESULT SRptParaContainerImpl::GetParaAtPos(int32_t nPos, ISRptPara** pPara) {
    if (!pPara) return E_POINTER;
    // Through the object's own protocol, so that a derived class's collections are asked.
    SComWrap<ISRepClassCol> paragraphs;
    HRESULT hr = static_cast<ISRepObject*>(this)->GetCollection(RPTPARACONTAINER_PARAGRAPHS, &paragraphs);
    SComCheck(hr);
    if (!paragraphs) throw SECOMException(E_POINTER);
    SComWrap<ISRepObject> element;
    hr = paragraphs->Item(nPos, &element);
    SComCheck(hr);
    // An element that is no paragraph leaves the answer empty.
    SComWrap<ISRptPara> para;
    para = static_cast<IUnknown*>(element.Get());
    *pPara = para.Detach();
    return S_OK;
}

HRESULT SRptParaContainerImpl::IsParaSupportBox(int32_t) noexcept {
    return S_FALSE;
}

SString SRptParaContainerImpl::GetParaName(ISRptPara* pPara) {
    SComWrap<ISRepClassCol> paragraphs;
    static_cast<ISRepObject*>(this)->GetCollection(RPTPARACONTAINER_PARAGRAPHS, &paragraphs);
    SString format;
    {
        SModuleStateGuard state(SRptGetModuleState());
        format.LoadString(IDS_RPT_TEXT_PARAGRAPH);
    }
    format += " %d";
    int32_t position = -1;
    if (paragraphs && pPara) paragraphs->GetPos(pPara, &position);
    SString name;
    name.Format(format.c_str(), position);
    return name;
}

int32_t SRptParaContainerImpl::GetParaFontID(ISRptPara*) const {
    return -1;
}
