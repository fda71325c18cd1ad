#include "rpt/objs/paras/SRptParaHeaderMem.h"

#include "varod9/RptApi.h"

const SAttrEditorMap SRptParaHeaderRegistry::attrEditorMap = {&SRptParaRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptParaHeaderRegistry::SRptParaHeaderRegistry()
    : SRepStaticRegistry(CLSID_SRptParaHeader, &attrEditorMap, &SRepComObject<SRptParaHeaderImpl>::Factory,
                         &SRptParaHeaderMem::ClassIsKindOf, &SRptParaHeaderMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
