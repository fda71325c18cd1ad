#include "rpt/objs/paras/SRptParaFooterMem.h"

#include "varod9/RptApi.h"

const SAttrEditorMap SRptParaFooterRegistry::attrEditorMap = {&SRptParaRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptParaFooterRegistry::SRptParaFooterRegistry()
    : SRepStaticRegistry(CLSID_SRptParaFooter, &attrEditorMap, &SRepComObject<SRptParaFooterImpl>::Factory,
                         &SRptParaFooterMem::ClassIsKindOf, &SRptParaFooterMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
