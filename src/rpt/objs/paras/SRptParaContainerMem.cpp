#include "rpt/objs/paras/SRptParaContainerMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/ISRptPara.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptParaContainerMem", "SRptParaContainerMem");
}  // namespace

// ---- SRptParaContainerMem: the container has a collection and no attribute of its own ----

HRESULT SRptParaContainerMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTPARACONTAINER_PARAGRAPHS: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptParaContainerMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptBaseImpl::SetAttribute(id, value); });
}

HRESULT SRptParaContainerMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptBaseImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptParaContainerMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptBaseImpl::GetAttributeFlags(id);
}

uint32_t SRptParaContainerMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptBaseImpl::GetAttributeType(id);
}

bool SRptParaContainerMem::HasAttribute(int32_t id) const {
    return SRptBaseImpl::HasAttribute(id);
}

bool SRptParaContainerMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptParaContainer || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptParaContainerMem::ClassHasCollection(int32_t id) {
    return id == RPTPARACONTAINER_PARAGRAPHS || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptParaContainerMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptParaContainerRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptParaContainerImpl ----

SRepClassColPtr SRptParaContainerImpl::Paragraphs() {
    return GetCollection(RPTPARACONTAINER_PARAGRAPHS);
}

HRESULT SRptParaContainerImpl::GetParaAtPos(int32_t nPos, ISRptPara** pPara) {
    if (!pPara) return E_POINTER;
    // Through the object's own protocol, so that a derived class's collections are asked.
    SComWrap<ISRepClassCol> paragraphs;
    HRESULT hr = static_cast<ISRepObject*>(this)->GetCollection(RPTPARACONTAINER_PARAGRAPHS, &paragraphs);
    if (FAILED(hr)) throw SECOMException(hr);
    if (!paragraphs) throw SECOMException(E_POINTER);
    SComWrap<ISRepObject> element;
    hr = paragraphs->Item(nPos, &element);
    if (FAILED(hr)) throw SECOMException(hr);
    // An element that is no paragraph leaves the answer empty.
    SComWrap<ISRptPara> para;
    para = static_cast<IUnknown*>(element.Get());
    *pPara = para.Detach();
    return S_OK;
}

HRESULT SRptParaContainerImpl::IsParaSupportBox(int32_t) {
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

// ---- SRptParaContainerRegistry ----

const SAttrEditorMap SRptParaContainerRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap,
                                                                 SREP_NO_ATTR_EDITORS};

SRptParaContainerRegistry::SRptParaContainerRegistry()
    : SRepStaticRegistry(CLSID_SRptParaContainer, &attrEditorMap, nullptr, &SRptParaContainerMem::ClassIsKindOf,
                         &SRptParaContainerMem::ClassHasCollection, 1, SRptGetModuleState()) {}
