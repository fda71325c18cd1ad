#include "rpt/module/SRptTemplatesManager.h"

#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

HRESULT SRptTemplatesManager::CreateTemplate(const SString& moduleId, const SString& name, ISRepSession** session,
                                             ISRepObject** report) {
    if (!session || !report) return E_POINTER;
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
    if (!shell) return S_FALSE;
    const HRESULT hr = shell->OnCreateSession(moduleId, name, session, report);
    return FAILED(hr) ? hr : S_OK;
}
