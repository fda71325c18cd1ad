#include "rpt/objs/paras/SRptParaItemMem.h"

#include "varod9/RptApi.h"

const SAttrEditorMap SRptParaItemRegistry::attrEditorMap = {&SRptParaRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptParaItemRegistry::SRptParaItemRegistry()
    : SRepStaticRegistry(CLSID_SRptParaItem, &attrEditorMap, &SRepComObject<SRptParaItemImpl>::Factory,
                         &SRptParaItemMem::ClassIsKindOf, &SRptParaItemMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
