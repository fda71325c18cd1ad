#include "rpt/dialogs/SRptTypeDlg.h"

#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepObject.h"
#include "platform/ui/SHelp.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/RptApi.h"

const SClassInfo SRptTypeDlg::classSRptTypeDlg = {"SRptTypeDlg", &SDlg::classSDlg};

S_BEGIN_MESSAGE_MAP(SRptTypeDlg, SDlg)
    SMsgEntry::Control(CBN_SELCHANGE, SRptTypeDlg::IDC_LANGUAGE, &SRptTypeDlg::OnLanguageChanged),
    SMsgEntry::Command(9, &SRptTypeDlg::OnHelp),
S_END_MESSAGE_MAP()

namespace {
// The module flag of a module that is not offered to the user.
constexpr uint8_t kHiddenModule = 1;
}  // namespace

SRptTypeDlg::SRptTypeDlg(uint32_t templateId, SWnd* parent) : SDlg(templateId, parent) {}

namespace {
ISRptModuleClient* FirstModuleClient() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetFirstModuleClient() : nullptr;
}
}  // namespace

int32_t SRptTypeDlg::OnInitDialog() {
    AttachDlgItem(IDC_NAME, m_nameEdit);
    AttachDlgItem(IDC_LANGUAGE, m_languages);
    AttachDlgItem(IDC_TYPE, m_types);
    if (ISRptModuleClient* client = FirstModuleClient()) {
        client->FillLanguageCombo(&m_languages);
        // The language text starts as whatever the host's filling left shown.
        OnLanguageChanged();
    }
    if (!FillTypes()) return 0;
    m_types.SetCurSel(0);
    CenterWindow();
    return 1;
}

ISRepObject* SRptTypeDlg::GetLanguage() const {
    ISRptModuleClient* client = FirstModuleClient();
    ISRepObject* language = nullptr;
    if (client && FAILED(client->GetLanguageObject(&language, m_language))) language = nullptr;
    return language;
}

bool SRptTypeDlg::FillTypes() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    SString all;
    {
        SModuleStateGuard library(SRptGetModuleState());
        all.LoadString(IDS_RPT_ALL_MODULES, "ALL");
    }
    if (!modules || modules->GetCount() == 0) return false;
    for (int32_t i = 0; i < modules->GetCount(); ++i) {
        SComWrap<ISRptModule> module;
        modules->Retrieve(i, &module);
        if (!module) SComThrow(E_POINTER);
        SString id, label;
        module->GetID(id);
        module->GetLabel(label);
        if (id == all || module->GetFlag() == kHiddenModule) continue;
        // The list is sorted: the ids follow their labels to the index the list gives.
        const int32_t index = m_types.AddString(label.c_str());
        if (index < 0 || static_cast<size_t>(index) > m_moduleIds.size()) continue;
        m_moduleIds.insert(m_moduleIds.begin() + index, id);
    }
    return true;
}

void SRptTypeDlg::OnLanguageChanged() {
    m_language = m_languages.GetWindowText();
}

void SRptTypeDlg::OnOK() {
    m_name = m_nameEdit.GetWindowText();
    if (m_name.IsEmpty()) return;
    const int32_t selected = m_types.GetCurSel();
    if (selected >= 0 && static_cast<size_t>(selected) < m_moduleIds.size())
        m_type = m_moduleIds[static_cast<size_t>(selected)];
    SDlg::OnOK();
}

void SRptTypeDlg::OnHelp() {
    SHelp::ShowHelpContext(kHelpContext);
}
