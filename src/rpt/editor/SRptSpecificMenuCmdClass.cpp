#include "rpt/editor/SRptSpecificMenuCmdClass.h"

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepModuleState.h"
#include "rpt/dialogs/SRptDlgTemplatesList.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

const SClassInfo SRptSpecificMenuCmdClass::classSRptSpecificMenuCmdClass = {
    "SRptSpecificMenuCmdClass", &SRepSpecificMenuCmdClass::classSRepSpecificMenuCmdClass};

S_BEGIN_MESSAGE_MAP(SRptSpecificMenuCmdClass, SRepSpecificMenuCmdClass)
    SMsgEntry::Command(SRptSpecificMenuCmdClass::ID_RPT_TEMPLATES, &SRptSpecificMenuCmdClass::OnTemplatesEditor),
S_END_MESSAGE_MAP()

namespace {
SString LoadFrom(SModuleState* state, uint32_t id, const char* defaultText) {
    SModuleStateGuard current(state);
    SString text;
    text.LoadString(id, defaultText);
    return text;
}
}  // namespace

HRESULT SRptSpecificMenuCmdClass::GetCommandClassID(GUID* id) {
    if (!id) return E_POINTER;
    *id = CLSID_SRptSpecificMenuCmdClass;
    return S_OK;
}

HRESULT SRptSpecificMenuCmdClass::InitSpecificMenus() {
    // The popup's caption belongs to the repository framework, the command's text to the library.
    GetMenuTable()[kMenuGroup].emplace(IDS_REP_POPUP, LoadFrom(SRepGetModuleState(), IDS_REP_POPUP, ""));
    GetMenuTable()[IDS_REP_POPUP].emplace(static_cast<int32_t>(ID_RPT_TEMPLATES),
                                          LoadFrom(SRptGetModuleState(), ID_RPT_TEMPLATES, "Manage Report Templates\nReport &Templates..."));
    return S_OK;
}

void SRptSpecificMenuCmdClass::OnTemplatesEditor() {
    SModuleStateGuard library(SRptGetModuleState());
    SRptDlgTemplatesList dialog;
    if (dialog.DoModal() != IDOK) return;
    const SString file = dialog.GetFileName();
    const std::u16string path = file.ToU16();
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
    // Without a shell module the choice goes nowhere.
    if (shell)
        shell->OnActionPathFromHost(static_cast<uint32_t>(dialog.GetAction()), file.IsEmpty() ? nullptr : path.c_str(), 0,
                                    nullptr);
}
