#include "rpt/dialogs/SRptDlgMultiPages.h"

#include "platform/base/SModuleState.h"
#include "platform/base/SRegistry.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SHelp.h"
#include "rpt/module/SRptFont.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgMultiPages::classSRptDlgMultiPages = {"SRptDlgMultiPages", &SPropertySheet::classSPropertySheet};

S_BEGIN_MESSAGE_MAP(SRptDlgMultiPages, SPropertySheet)
    SMsgEntry::Command(IDHELP, &SRptDlgMultiPages::OnHelp),
S_END_MESSAGE_MAP()

SRptDlgMultiPages::SRptDlgMultiPages(const SComTable<ISRepObject>& objects, int32_t initialSelection, uint32_t dialogId)
    : m_objects(objects), m_initialSelection(initialSelection) {
    if (!m_objects.IsEmpty()) m_currentObject.Reset(m_objects.GetAt(0));
    ConstructSheet(dialogId);
}

SRptDlgMultiPages::SRptDlgMultiPages(ISRepObject* object, int32_t initialSelection, uint32_t dialogId)
    : m_initialSelection(initialSelection) {
    if (object) {
        m_currentObject.Reset(object);
        m_objects.Add(object);
    }
    ConstructSheet(dialogId);
}

void SRptDlgMultiPages::ConstructSheet(uint32_t dialogId) {
    SModuleStateGuard state(SRptGetModuleState());
    Construct(dialogId, 0, nullptr, 0, 0);
    // The text page is made with every sheet, but only a sheet that wants it shows it.
    AddPage(&m_fontPage);
    AddPage(&m_paragraphPage);
    AddPage(&m_borderPage);
    AddPage(&m_pageBreakPage);
    AddPage(&m_tabPage);
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

SRptDlgMultiPages::~SRptDlgMultiPages() {
    // The pages made fonts for their previews and controls.
    SRptFont::ClearFontMaps();
}

int32_t SRptDlgMultiPages::DoModal() {
    SModuleStateGuard state(SRptGetModuleState());
    return SPropertySheet::DoModal();
}

void SRptDlgMultiPages::RefreshActivePage() {
    if (SPropertyPage* page = GetActivePage()) page->OnSetActive();
}

void SRptDlgMultiPages::OnOK() {
    SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(this, SString()), 1);
    registry.WriteProfile(kActivePageValue, GetActiveIndex());
    SPropertySheet::OnOK();
}

void SRptDlgMultiPages::OnHelp() {
    if (SPropertyPage* page = GetActivePage()) SHelp::ShowHelpContext(page->GetHelpContext());
}

void SRptDlgMultiPages::RestorePreferences(SWnd* wnd, const SString& key) {
    if (SRepOption::m_bKeepTab && !IsWizard() && GetActiveIndex() == 0) {
        SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(wnd, key), 0);
        SString value;
        registry.GetProfile(kActivePageValue, &value, SString());
        // A tab that is no longer there is ignored (SetActivePage refuses it).
        if (!value.IsEmpty() && value.ToInt() != -1) SetActivePage(value.ToInt());
    }
    SRepDlgSizeHelper::RestorePreferences(wnd, key);
    if (!SRepOption::m_bOpenSingleMode) CenterWindow();
}

SString SRptDlgMultiPages::GetPrefRegPath(SWnd*) {
    return SString(kPrefPath);
}
