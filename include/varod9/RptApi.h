#pragma once
// The library's exported interface for host modules.
#include "platform/base/SModuleState.h"
#include "platform/base/SVersionNumber.h"
#include "varod9/RptExport.h"

class SRptGlobalsContainer;

// The library's module state; never null.
RPT_EXPORT SModuleState* SRptGetModuleState();
// The library's version (9.0.0.438); null while the library is not started.
RPT_EXPORT const SVersionNumber* RptGetVersionNumber();
// The library-wide state; null while the library is not started.
RPT_EXPORT SRptGlobalsContainer* GetRptGlobalsContainer();
