#include "rpt/dialogs/SRptDlgHeaderFooter.h"

#include <iterator>

#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "platform/com/SComThrow.h"
#include "platform/ui/SMenu.h"
#include "rpt/dialogs/SRptDlgMultiFormatHeaderFooter.h"
#include "varod9/RptApi.h"

namespace {
// Below the button, left-aligned, without notifying the menu's owner while it is tracked.
constexpr uint32_t kTrackFlags = 0x80;
// The scroll bar of the tab window.
constexpr int32_t kTabScrollBar = 1;
constexpr uint32_t IDS_HEADER_TAB = 5532;
constexpr uint32_t IDS_FOOTER_TAB = 5533;

// The Insert menu's entries in command order from the first command on.
struct SVariable {
    uint32_t nameId;
    const char* token;
};
constexpr SVariable kVariables[] = {
    {5537, "%DATE%"}, {5538, "%TIME%"}, {5539, "%PAGE%"}, {5540, "%MODELNAME%"}, {5541, "%MODELCODE%"}, {5542, "%MODULE%"},
};
constexpr uint32_t kVariableCount = static_cast<uint32_t>(std::size(kVariables));

SComWrap<ISRptPara> FetchPara(ISRptItem* item, int32_t position) {
    SComWrap<ISRptPara> para;
    SComCheck(item->GetParaAtPos(position, &para));
    if (!para) SComThrow(E_POINTER);
    return para;
}
}  // namespace

const SClassInfo SRptDlgHeaderFooter::classSRptDlgHeaderFooter = {"SRptDlgHeaderFooter",
                                                                  &SRepDialog::classSRepDialog};

S_BEGIN_MESSAGE_MAP(SRptDlgHeaderFooter, SRepDialog)
    SMsgEntry::Notify(BXN_DROPDOWN, IDC_INSERT, &SRptDlgHeaderFooter::OnBtnDropDown),
    SMsgEntry::CommandRange(ID_FIRST_VARIABLE, ID_LAST_VARIABLE, &SRptDlgHeaderFooter::OnInsertVariable),
    SMsgEntry::Command(IDC_FORMAT, &SRptDlgHeaderFooter::OnFormat),
    SMsgEntry::Command(IDC_HEADER_USERDEF, &SRptDlgHeaderFooter::OnHeadUserDefined),
    SMsgEntry::Command(IDC_FOOTER_USERDEF, &SRptDlgHeaderFooter::OnFootUserDefined),
    SMsgEntry::Control(EN_UPDATE, IDC_HEADER_TEXT, &SRptDlgHeaderFooter::OnHeadEditChange),
    SMsgEntry::Control(EN_UPDATE, IDC_FOOTER_TEXT, &SRptDlgHeaderFooter::OnFootEditChange),
    SMsgEntry::Notify(STN_KILLACTIVE, IDC_TABS, &SRptDlgHeaderFooter::OnTabKillActive),
S_END_MESSAGE_MAP()

SRptDlgHeaderFooter::SRptDlgHeaderFooter(ISRptItem* item, const SString& header, const SString& footer,
                                         const SString& defaultHeader, const SString& defaultFooter,
                                         int32_t headUserDef, int32_t footUserDef)
    : SRepDialog(IDD), m_header(header, defaultHeader, headUserDef), m_footer(footer, defaultFooter, footUserDef) {
    if (!item) SComThrow(E_POINTER);
    m_item.Reset(item);
    m_headerPara = FetchPara(item, kHeaderTab);
    m_footerPara = FetchPara(item, kFooterTab);
}

SRptDlgHeaderFooter::~SRptDlgHeaderFooter() {
    // The controls go before the paragraphs and the template they show.
    DestroyWindow();
}

int32_t SRptDlgHeaderFooter::DoModal() {
    SModuleStateGuard state(SRptGetModuleState());
    return SRepDialog::DoModal();
}

int32_t SRptDlgHeaderFooter::OnInitDialog() {
    AttachDlgItem(IDC_TABS, m_tabs);
    AttachDlgItem(IDC_HEADER_TEXT, m_header.GetEdit());
    AttachDlgItem(IDC_FOOTER_TEXT, m_footer.GetEdit());
    AttachDlgItem(IDC_INSERT, m_insert);
    AttachDlgItem(IDC_HEADER_USERDEF, m_header.GetCheck());
    AttachDlgItem(IDC_FOOTER_USERDEF, m_footer.GetCheck());
    m_tabs.ShowScrollBar(kTabScrollBar, 0);
    {
        SModuleStateGuard state(SRptGetModuleState());
        SString label;
        label.LoadString(IDS_HEADER_TAB);
        m_tabs.AddTab(&m_header.GetEdit(), label);
        label.LoadString(IDS_FOOTER_TAB);
        m_tabs.AddTab(&m_footer.GetEdit(), label);
    }
    m_header.Show(true);
    m_footer.Show(true);
    CenterWindow();
    m_header.GetCheck().ShowWindow(SW_SHOW);
    m_footer.GetCheck().ShowWindow(SW_HIDE);
    m_header.SetFont(m_headerPara.Get());
    SetHelpContext(kHelpContext);
    return SRepDialog::OnInitDialog();
}

void SRptDlgHeaderFooter::OnTabKillActive(NMHDR*, LRESULT*) {
    // With two tabs the one not being left is coming.
    const bool leavingHeader = m_tabs.GetActiveTabIndex() == kHeaderTab;
    SRptDlgTxtEditText& coming = leavingHeader ? m_footer : m_header;
    SRptDlgTxtEditText& leaving = leavingHeader ? m_header : m_footer;
    coming.GetCheck().ShowWindow(SW_SHOW);
    leaving.GetCheck().ShowWindow(SW_HIDE);
    coming.SetFont(leavingHeader ? m_footerPara.Get() : m_headerPara.Get());
}

void SRptDlgHeaderFooter::OnHeadEditChange() {
    m_header.OnEditChange();
}

void SRptDlgHeaderFooter::OnFootEditChange() {
    m_footer.OnEditChange();
}

void SRptDlgHeaderFooter::OnHeadUserDefined() {
    m_header.OnUserDefined();
}

void SRptDlgHeaderFooter::OnFootUserDefined() {
    m_footer.OnUserDefined();
}

void SRptDlgHeaderFooter::OnBtnDropDown(NMHDR*, LRESULT*) {
    SModuleStateGuard state(SRptGetModuleState());
    SMenu menu;
    menu.CreatePopupMenu();
    for (uint32_t i = 0; i < kVariableCount; ++i) {
        SString name;
        name.LoadString(kVariables[i].nameId);
        menu.AppendMenu(MF_STRING, ID_FIRST_VARIABLE + i, name.c_str());
    }
    const RECT button = m_insert.GetWindowRect();
    menu.TrackPopupMenu(kTrackFlags, button.left, button.bottom, this);
}

void SRptDlgHeaderFooter::OnInsertVariable(uint32_t id) {
    const uint32_t index = id - ID_FIRST_VARIABLE;
    const SString token = id >= ID_FIRST_VARIABLE && index < kVariableCount ? SString(kVariables[index].token) : SString();
    switch (m_tabs.GetActiveTabIndex()) {
        case kHeaderTab: m_header.Insert(token); break;
        case kFooterTab: m_footer.Insert(token); break;
        default: break;
    }
}

void SRptDlgHeaderFooter::OnFormat() {
    const int32_t selection = m_tabs.GetActiveTabIndex() == kFooterTab ? kFooterTab : kHeaderTab;
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(m_item.Get());
    // Destroying the sheet clears the report fonts' temporary maps.
    SRptDlgMultiFormatHeaderFooter sheet(object.Get(), selection, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
    if (sheet.DoModal() != IDOK) return;
    m_header.SetFont(m_headerPara.Get());
    m_footer.SetFont(m_footerPara.Get());
}

void SRptDlgHeaderFooter::OnOK() {
    m_header.Store();
    m_footer.Store();
    SRepDialog::OnOK();
}
