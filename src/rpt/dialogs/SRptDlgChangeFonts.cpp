#include "rpt/dialogs/SRptDlgChangeFonts.h"

#include <new>

#include "platform/base/SModuleState.h"
#include "platform/base/SWaitCursor.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/module/SRptFont.h"
#include "varod9/RptApi.h"

namespace {
// The names of the font kinds, in kind order.
constexpr uint32_t kKindNames[] = {5160, 5162, 5159, 5161, 5147, 5246, 5247, 5248, 5249, 5250, 5251, 5252, 5253, 5254,
                                   5158, 5157, 5274, 5180, 5275, 5165, 5178, 5276, 5179, 5277, 5192, 5154, 5166};
static_assert(std::size(kKindNames) == SRptFont::kFontKindCount);
}  // namespace

const SClassInfo SRptDlgChangeFonts::classSRptDlgChangeFonts = {"SRptDlgChangeFonts",
                                                                &SRptDlgMultiPages::classSRptDlgMultiPages};

SRptDlgChangeFonts::SRptDlgChangeFonts()
    : SRptDlgMultiPages(static_cast<ISRepObject*>(nullptr), 0, IDD_FORMAT_ITEMS),
      m_chgFontPage(SRptFontPropertyPage::IDD, 0) {
    // The format pages of the base sheet have nothing to edit here: the font page is the only one.
    while (GetPageCount() > 0) RemovePage(GetPage(0));
    Construct(IDD_FORMAT_ITEMS, 0, nullptr, 0, 0);
    AddPage(&m_chgFontPage);
    m_nKindCount = SRptFont::kFontKindCount;
    m_fonts.reset(new (std::nothrow) LOGFONTA[static_cast<size_t>(m_nKindCount)]);
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

SRptDlgChangeFonts::~SRptDlgChangeFonts() = default;

int32_t SRptDlgChangeFonts::Open(SRptViewBase* view) {
    SModuleStateGuard state(SRptGetModuleState());
    SRptDlgChangeFonts dialog;
    const int32_t result = dialog.DoModal();
    if (result == IDOK) ChangeAllFonts(view);
    return result;
}

int32_t SRptDlgChangeFonts::ChangeAllFonts(SRptViewBase* view) {
    if (!view) return 1;
    SComWrap<ISRptReport> report;
    if (FAILED(view->GetReport(&report)) || !report) return 1;
    SWaitCursor wait;
    report->ChangeAllFonts(1);
    return 1;
}

int32_t SRptDlgChangeFonts::OnInitDialog() {
    AttachDlgItem(IDC_AVAILABLE_ITEMS, m_listBox);
    // One kind at a time: the page shows one font.
    m_listBox.ModifyStyle(LBS_MULTIPLESEL | LBS_EXTENDEDSEL, 0);
    AddAvaibleParagraphs();
    SelectCurrentKind();
    OnItemsSelChanged();
    CenterWindow();
    SModuleStateGuard state(SRptGetModuleState());
    SString title;
    title.LoadString(IDS_CHANGE_FONTS_TITLE);
    SetTitle(title);
    const int32_t result = SPropertySheet::OnInitDialog();
    RestorePreferences(this, SString());
    return result;
}

int32_t SRptDlgChangeFonts::AddAvaibleParagraphs() {
    if (!m_fonts) return 0;
    SRptFont::InitFonts();
    for (int32_t kind = 0; kind < m_nKindCount; ++kind) SRptFont::GetDefaultFontInfo(kind, &m_fonts[kind]);
    SModuleStateGuard state(SRptGetModuleState());
    for (uint32_t id : kKindNames) {
        SString name;
        name.LoadString(id);
        m_listBox.AddString(name.c_str());
    }
    return 1;
}

int32_t SRptDlgChangeFonts::OnItemsSelChanging() {
    SPropertyPage* page = GetActivePage();
    return page ? page->OnKillActive() : 0;
}

void SRptDlgChangeFonts::SelectCurrentKind() {
    if (!m_listBox.GetSafeHwnd()) return;
    m_listBox.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(m_nCurrentKind));
    m_listBox.SendMessage(LB_SETSEL, 1, static_cast<LPARAM>(m_nCurrentKind));
}

void SRptDlgChangeFonts::OnItemsSelChanged() {
    RefreshActivePage();
    if (!m_listBox.GetSafeHwnd()) return;
    // A click with Ctrl or Shift may have added to the selection: only the kind shown stays.
    m_listBox.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(-1));
    m_listBox.SendMessage(LB_SETSEL, 0, static_cast<LPARAM>(-1));
    SelectCurrentKind();
}

void SRptDlgChangeFonts::OnOK() {
    if (!OnItemsSelChanging()) return;
    if (m_fonts) {
        for (int32_t kind = 0; kind < m_nKindCount; ++kind) SRptFont::SetDefaultFontInfo(kind, &m_fonts[kind]);
        SRptFont::SaveFonts();
    }
    SRptDlgMultiPages::OnOK();
}
