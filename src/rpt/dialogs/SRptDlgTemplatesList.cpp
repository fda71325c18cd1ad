#include "rpt/dialogs/SRptDlgTemplatesList.h"

#include "platform/base/SFile.h"
#include "platform/base/SModuleState.h"
#include "platform/host/SShellView.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/ui/SHelp.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgTemplatesList::classSRptDlgTemplatesList = {"SRptDlgTemplatesList", &SDlg::classSDlg};

S_BEGIN_MESSAGE_MAP(SRptDlgTemplatesList, SDlg)
    SMsgEntry::Command(9, &SRptDlgTemplatesList::OnHelp),
    SMsgEntry::Command(SRptDlgTemplatesList::ID_NEW, &SRptDlgTemplatesList::OnCreate),
    SMsgEntry::Command(SRptDlgTemplatesList::ID_PROPERTIES, &SRptDlgTemplatesList::OnEditProperties),
    SMsgEntry::Control(LBN_DBLCLK, SRptDlgTemplatesList::IDC_TEMPLATES, &SRptDlgTemplatesList::OnEditProperties),
    SMsgEntry::Control(LBN_SELCHANGE, SRptDlgTemplatesList::IDC_TEMPLATES, &SRptDlgTemplatesList::OnTemplateSelChange),
S_END_MESSAGE_MAP()

namespace {
// What follows the name of a template whose editor is open.
constexpr const char* kOpenMark = " *";

// The type that stands for every module.
SString AllTypes() {
    SModuleStateGuard library(SRptGetModuleState());
    SString text;
    text.LoadString(IDS_RPT_ALL_MODULES, "ALL");
    return text;
}

SRptTemplatesManager* TemplatesManager() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetTemplatesManager() : nullptr;
}

// The open editor of the template file: the view of a report entered in the view map whose
// session was read from that file; null when none is open.
SShellView* FindOpenEditor(const SString& file) {
    if (file.IsEmpty()) return nullptr;
    const SRptReportViewTable open = SRptReportViewMap().GetMap();
    for (SRptReportViewTable::Iterator it(open); !it.IsEnd(); it.Next()) {
        SComWrap<ISRepSession> session;
        if (!it.GetKey() || FAILED(it.GetKey()->GetSession(&session)) || !session) continue;
        SString path;
        if (SUCCEEDED(session->GetPathName(&path)) && path == file && it.GetValue()) return it.GetValue();
    }
    return nullptr;
}
}  // namespace

SRptDlgTemplatesList::SRptDlgTemplatesList() : SDlg(IDD, SGetMainWnd()), m_templatesManager(TemplatesManager()) {
    if (m_templatesManager) m_templatesManager->GetTemplatesList(AllTypes(), m_templates);
}

int32_t SRptDlgTemplatesList::OnInitDialog() {
    AttachDlgItem(IDC_PATH, m_path);
    AttachDlgItem(IDC_FILE_NAME, m_fileName);
    AttachDlgItem(IDC_TEMPLATES, m_list);
    FillTemplates();
    if (m_templatesManager) m_path.SetWindowText(m_templatesManager->GetTemplatesPath());
    SDlg::OnInitDialog();
    return 0;
}

void SRptDlgTemplatesList::FillTemplates() {
    for (SStringMap::Iterator it(m_templates); !it.IsEnd(); it.Next()) {
        SString shown = it.GetKey();
        if (FindOpenEditor(it.GetValue())) shown += kOpenMark;
        m_list.AddString(shown.c_str());
    }
    if (m_list.GetCount() > 0) {
        m_list.SetCurSel(0);
        OnTemplateSelChange();
    }
}

SString SRptDlgTemplatesList::GetSelectedName() {
    const int32_t selected = m_list.GetCurSel();
    if (selected < 0) return SString();
    SString name = m_list.GetText(selected);
    const SString mark(kOpenMark);
    if (name.GetLength() >= mark.GetLength() && name.Right(mark.GetLength()) == mark)
        name = name.Left(name.GetLength() - mark.GetLength());
    return name;
}

void SRptDlgTemplatesList::OnTemplateSelChange() {
    SString file;
    if (m_templates.Lookup(GetSelectedName(), file)) m_fileName.SetWindowText(SFile::GetFileName(file));
}

void SRptDlgTemplatesList::OnEditProperties() {
    SString file;
    m_templates.Lookup(GetSelectedName(), file);
    if (SShellView* editor = FindOpenEditor(file)) {
        // The editor that is open already is the one the user goes on with.
        editor->ActivateView();
        m_action = kNothing;
        m_file.Empty();
    } else {
        m_action = kOpen;
        m_file = file;
    }
    OnOK();
}

void SRptDlgTemplatesList::OnCreate() {
    m_action = kCreate;
    m_file.Empty();
    OnOK();
}

void SRptDlgTemplatesList::OnHelp() {
    SHelp::ShowHelpContext(kHelpContext);
}
