#include "rpt/objs/paras/SRptParaTitleMem.h"

#include "varod9/RptApi.h"

const SAttrEditorMap SRptParaTitleRegistry::attrEditorMap = {&SRptParaRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptParaTitleRegistry::SRptParaTitleRegistry()
    : SRepStaticRegistry(CLSID_SRptParaTitle, &attrEditorMap, &SRepComObject<SRptParaTitleImpl>::Factory,
                         &SRptParaTitleMem::ClassIsKindOf, &SRptParaTitleMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
