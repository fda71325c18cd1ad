#include "support/SRptTestParaContainerMem.h"

#include "varod9/RptApi.h"

HRESULT SRptTestParaContainerImpl::GetCollection(int32_t id, ISRepClassCol** collection) noexcept {
    if (id == RPTPARACONTAINER_PARAGRAPHS && FAILED(failParagraphs)) {
        if (collection) *collection = nullptr;
        return failParagraphs;
    }
    return SRptParaContainerImpl::GetCollection(id, collection);
}

bool SRptTestParaContainerImpl::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTestParaContainer || SRptParaContainerMem::ClassIsKindOf(clsid);
}

const SAttrEditorMap SRptTestParaContainerRegistry::attrEditorMap = {&SRptParaContainerRegistry::attrEditorMap,
                                                                     SREP_NO_ATTR_EDITORS};

SRptTestParaContainerRegistry::SRptTestParaContainerRegistry()
    : SRepStaticRegistry(CLSID_SRptTestParaContainer, &attrEditorMap,
                         &SRepComObject<SRptTestParaContainerImpl>::Factory,
                         &SRptTestParaContainerImpl::ClassIsKindOf, &SRptParaContainerMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
