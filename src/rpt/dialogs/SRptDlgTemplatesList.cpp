#include "rpt/dialogs/SRptDlgTemplatesList.h"

#include <iterator>

#include "platform/base/SFile.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/host/SShellView.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/ui/SHelp.h"
#include "platform/ui/SResInstance.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "varod9/ISRptModule.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgTemplatesList::classSRptDlgTemplatesList = {"SRptDlgTemplatesList", &SDlg::classSDlg};

// The type list's change of selection refilters the list: without it the filter would never apply.
S_BEGIN_MESSAGE_MAP(SRptDlgTemplatesList, SDlg)
    SMsgEntry::Command(9, &SRptDlgTemplatesList::OnHelp),
    SMsgEntry::Command(SRptDlgTemplatesList::ID_NEW, &SRptDlgTemplatesList::OnCreate),
    SMsgEntry::Command(SRptDlgTemplatesList::ID_PROPERTIES, &SRptDlgTemplatesList::OnEditProperties),
    SMsgEntry::Command(SRptDlgTemplatesList::ID_PATH, &SRptDlgTemplatesList::OnPath),
    SMsgEntry::Message(WM_CLOSE, &SRptDlgTemplatesList::OnClose),
    SMsgEntry::Control(LBN_DBLCLK, SRptDlgTemplatesList::IDC_TEMPLATES, &SRptDlgTemplatesList::OnEditProperties),
    SMsgEntry::Control(LBN_SELCHANGE, SRptDlgTemplatesList::IDC_TEMPLATES, &SRptDlgTemplatesList::OnTemplateSelChange),
    SMsgEntry::Key(WM_KEYDOWN, &SRptDlgTemplatesList::OnKeyDown),
    SMsgEntry::Control(CBN_SELCHANGE, SRptDlgTemplatesList::IDC_TYPE, &SRptDlgTemplatesList::OnTemplateTypeChanged),
S_END_MESSAGE_MAP()

namespace {
// What follows the name of a template whose editor is open.
constexpr const char* kOpenMark = " *";
constexpr uint32_t kButtonStructSize = 20;
// The shared toolbar images: four in the first bitmap, the folder in the second.
constexpr uint32_t kToolBarBitmap = 103;
constexpr int32_t kToolBarBitmapImages = 4;
constexpr uint32_t kFolderBitmap = 104;

using SToolBarButton = SRptDlgTemplatesListToolBar::Button;
constexpr uint8_t kEnabled = SRptDlgTemplatesListToolBar::kStateEnabled;
constexpr uint8_t kButton = SRptDlgTemplatesListToolBar::kStyleButton;
constexpr uint8_t kSeparator = SRptDlgTemplatesListToolBar::kStyleSeparator;
constexpr SToolBarButton kButtons[] = {
    {19, SRptDlgTemplatesList::ID_PROPERTIES, kEnabled, kButton},
    {0, 0, 0, kSeparator},
    {0, SRptDlgTemplatesList::ID_NEW, kEnabled, kButton},
    {0, 0, 0, kSeparator},
    {10, SRptDlgTemplatesList::ID_PATH, kEnabled, kButton},
};
constexpr uint32_t kToolTipIds[] = {SRptDlgTemplatesList::ID_PROPERTIES, SRptDlgTemplatesList::ID_NEW,
                                    SRptDlgTemplatesList::ID_PATH};

// The type that stands for every module.
SString AllTypes() {
    return SRptLoadString(IDS_RPT_ALL_MODULES, "ALL");
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
    AttachDlgItem(IDC_TYPE, m_types);
    AttachDlgItem(IDC_TOOLBAR, m_toolBar);
    CreateToolBar();
    FillTypes();
    m_types.SetCurSel(0);
    FillTemplates();
    ShowTemplatesPath();
    CenterWindow();
    SDlg::OnInitDialog();
    return 0;
}

void SRptDlgTemplatesList::CreateToolBar() {
    {
        SModuleStateGuard library(SRptGetModuleState());
        m_toolTips.Create(this);
        for (uint32_t id : kToolTipIds) m_toolTips.AddTool(&m_toolBar, SRptLoadString(id), id);
    }
    m_toolBar.SetToolTips(&m_toolTips);
    m_toolBar.SetButtonStructSize(kButtonStructSize);
    // The images are the user-interface library's own.
    m_toolBar.AddBitmap(SLibGetModuleState(), kToolBarBitmap, kToolBarBitmapImages);
    m_toolBar.AddBitmap(SLibGetModuleState(), kFolderBitmap, 1);
    m_toolBar.AddButtons(kButtons, static_cast<int32_t>(std::size(kButtons)));
}

void SRptDlgTemplatesList::FillTypes() {
    const SString all = AllTypes();
    auto add = [this](const SString& label, const SString& id) {
        // The list is not sorted, but the id goes where the list put its label all the same.
        const int32_t index = m_types.AddString(label.c_str());
        if (index < 0 || static_cast<size_t>(index) > m_typeIds.size()) return;
        m_typeIds.insert(m_typeIds.begin() + index, id);
    };
    add(SRptLoadString(IDS_RPT_ALL_MODULES_LABEL, "All the types of templates"), all);
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleList* modules = globals ? globals->GetModuleList() : nullptr;
    if (!modules) return;
    for (int32_t i = 0; i < modules->GetCount(); ++i) {
        SComWrap<ISRptModule> module;
        modules->Retrieve(i, &module);
        if (!module) SComThrow(E_POINTER);
        SString id, label;
        module->GetID(id);
        if (id == all) continue;
        module->GetLabel(label);
        add(label, id);
    }
}

SString SRptDlgTemplatesList::GetSelectedType() {
    const int32_t selected = m_types.GetCurSel();
    if (selected < 0 || static_cast<size_t>(selected) >= m_typeIds.size()) return SString();
    return m_typeIds[static_cast<size_t>(selected)];
}

void SRptDlgTemplatesList::FillTemplates() {
    m_templates.RemoveAll();
    m_list.ResetContent();
    m_horizontalExtent = 0;
    if (m_templatesManager) m_templatesManager->GetTemplatesList(GetSelectedType(), m_templates);
    SWindowDC dc;
    const HGDIOBJ previous = dc.SelectObject(GetStockObject(DEFAULT_GUI_FONT));
    for (SStringMap::Iterator it(m_templates); !it.IsEnd(); it.Next()) {
        SString shown = it.GetKey();
        const int32_t width = dc.GetTextExtent(shown.view()).cx;
        if (width > m_horizontalExtent) m_horizontalExtent = width;
        if (FindOpenEditor(it.GetValue())) shown += kOpenMark;
        m_list.AddString(shown.c_str());
    }
    dc.SelectObject(previous);
    const bool any = m_list.GetCount() > 0;
    m_toolBar.EnableButton(ID_PROPERTIES, any ? 1 : 0);
    if (any) {
        m_list.SetCurSel(0);
        OnTemplateSelChange();
    }
}

void SRptDlgTemplatesList::ShowTemplatesPath() {
    if (m_templatesManager) m_path.SetWindowText(m_templatesManager->GetTemplatesPath());
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

void SRptDlgTemplatesList::OnTemplateTypeChanged() {
    FillTemplates();
}

void SRptDlgTemplatesList::OnPath() {
    if (m_templatesManager) m_templatesManager->ChangeTemplatesPath(this);
    FillTemplates();
    ShowTemplatesPath();
}

void SRptDlgTemplatesList::OnEditProperties() {
    SString file;
    // A double click beside the names, or an empty folder, chooses nothing: there is no file
    // to open, so the list stays as it is.
    if (!m_templates.Lookup(GetSelectedName(), file)) return;
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

void SRptDlgTemplatesList::OnClose() {
    Default();
}

void SRptDlgTemplatesList::OnKeyDown(uint32_t, uint32_t, uint32_t) {
    Default();
}
