#include "rpt/dialogs/SRptDlgTxtEdit.h"

#include "platform/base/SMbcs.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "platform/com/SComThrow.h"
#include "platform/ui/SMenu.h"
#include "rpt/dialogs/SRptDlgMultiFormat.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleFieldTableEntry.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptApi.h"

namespace {
// Below the button, left-aligned, without notifying the menu's owner while it is tracked.
constexpr uint32_t kTrackFlags = 0x80;
// The row of the header/footer field table that is no variable of an item's text.
constexpr int32_t kPageField = 3;

// OK, Cancel and Help keep to the bottom-right corner; the box and its frame take the dialog's new
// size; "Format..." and "Insert" below the box follow the bottom edge.
const SLayoutEntry kLayout[] = {
    {IDOK, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
    {IDOK, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
    {IDCANCEL, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
    {IDCANCEL, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
    {9, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
    {9, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
    {SRptDlgTxtEdit::IDC_TEXT, SLayoutMap::kStretchRight, 0, SLayoutMap::kRight, 1},
    {SRptDlgTxtEdit::IDC_TEXT, SLayoutMap::kStretchBottom, 0, SLayoutMap::kBottom, 1},
    {SRptDlgTxtEdit::IDC_FRAME, SLayoutMap::kStretchRight, 0, SLayoutMap::kRight, 1},
    {SRptDlgTxtEdit::IDC_FRAME, SLayoutMap::kStretchBottom, 0, SLayoutMap::kBottom, 1},
    {SRptDlgTxtEdit::IDC_FORMAT, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
    {SRptDlgTxtEdit::IDC_INSERT, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
    {},
};
}  // namespace

const SClassInfo SRptDlgTxtEdit::classSRptDlgTxtEdit = {"SRptDlgTxtEdit", &SRepDialog::classSRepDialog};

S_BEGIN_MESSAGE_MAP(SRptDlgTxtEdit, SRepDialog)
    SMsgEntry::Size(&SRptDlgTxtEdit::OnSize),
    SMsgEntry::Command(IDOK, &SRptDlgTxtEdit::OnOK),
    SMsgEntry::Command(IDCANCEL, &SRptDlgTxtEdit::OnCancel),
    SMsgEntry::Command(IDC_FORMAT, &SRptDlgTxtEdit::OnFormat),
    SMsgEntry::Command(IDC_USERDEF, &SRptDlgTxtEdit::OnUserDefined),
    SMsgEntry::Notify(BXN_DROPDOWN, IDC_INSERT, &SRptDlgTxtEdit::OnBtnDropDown),
    SMsgEntry::CommandRange(ID_FIRST_VARIABLE, ID_LAST_VARIABLE, &SRptDlgTxtEdit::OnInsertVariable),
    SMsgEntry::Control(EN_UPDATE, IDC_TEXT, &SRptDlgTxtEdit::OnEditChange),
S_END_MESSAGE_MAP()

SRptDlgTxtEdit::SRptDlgTxtEdit(ISRptItem* item, const SString& text, int32_t variablesAllowed,
                               int32_t userDefinedChoice, const SString& defaultText, int32_t userDefined)
    : SRepDialog(IDD),
      m_text(text, defaultText, userDefined),
      m_variablesAllowed(variablesAllowed),
      m_userDefinedChoice(userDefinedChoice) {
    if (!item) SComThrow(E_POINTER);
    m_item.Reset(item);
    SComCheck(m_item->GetParaAtPos(0, &m_para));
    if (!m_para) SComThrow(E_POINTER);
}

SRptDlgTxtEdit::~SRptDlgTxtEdit() {
    // The format sheet and the box's font made report fonts of their own.
    SRptFont::ClearFontMaps();
}

int32_t SRptDlgTxtEdit::DoModal() {
    SModuleStateGuard state(SRptGetModuleState());
    return SRepDialog::DoModal();
}

int32_t SRptDlgTxtEdit::OnInitDialog() {
    m_layoutMap.Initialize(this, kLayout);
    AttachDlgItem(IDC_USERDEF, m_text.GetCheck());
    AttachDlgItem(IDC_TEXT, m_text.GetEdit());
    AttachDlgItem(IDC_INSERT, m_insert);
    m_text.Show(m_userDefinedChoice != 0);
    m_text.SetFont(m_para.Get());
    if (!m_variablesAllowed) m_insert.ShowWindow(SW_HIDE);
    if (!m_userDefinedChoice) m_text.GetCheck().ShowWindow(SW_HIDE);
    SetHelpContext(m_variablesAllowed == 1 ? kHelpWithVariables : kHelpWithoutVariables);
    const int32_t result = SRepDialog::OnInitDialog();
    RestorePreferences(this, SString());
    CenterWindow();
    m_initialised = 1;
    return result;
}

void SRptDlgTxtEdit::OnEditChange() {
    if (m_userDefinedChoice) m_text.OnEditChange();
}

void SRptDlgTxtEdit::OnUserDefined() {
    m_text.OnUserDefined();
}

void SRptDlgTxtEdit::OnBtnDropDown(NMHDR*, LRESULT*) {
    m_variables.clear();
    SModuleStateGuard state(SRptGetModuleState());
    SMenu menu;
    menu.CreatePopupMenu();
    AddModuleFields(menu, AddHeaderFooterFields(menu, ID_FIRST_VARIABLE));
    const RECT button = m_insert.GetWindowRect();
    menu.TrackPopupMenu(kTrackFlags, button.left, button.bottom, this);
}

uint32_t SRptDlgTxtEdit::AddHeaderFooterFields(SMenu& menu, uint32_t id) {
    const HEADERFOOTERFIELD* fields = SRptGlobalsContainer::GetHeaderFooterFields();
    for (const HEADERFOOTERFIELD* row = fields; row && row->nField != 0; ++row, ++id) {
        // The page number means nothing in an item's text; its command is passed over.
        if (row->nField == kPageField) continue;
        SString name;
        name.LoadString(row->nNameID);
        AddVariable(menu, id, name, row->sToken);
    }
    return id;
}

void SRptDlgTxtEdit::AddModuleFields(SMenu& menu, uint32_t id) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleFieldTable* table = globals ? globals->GetModuleFieldTable() : nullptr;
    if (!table) return;
    const SString moduleId = m_item->GetModuleID();
    for (SRptModuleFieldTable::Iterator it(*table); !it.IsEnd(); it.Next()) {
        // Only the menu's commands reach the dialog: an entry past them would insert nothing.
        if (id > ID_LAST_VARIABLE) return;
        ISRptField* field = it.GetValue().Get();
        if (!field || _mbscmp(field->GetModuleID().c_str(), moduleId.c_str()) != 0) continue;
        if (!OffersField(field)) continue;
        AddVariable(menu, id++, field->GetDescr(), field->GetFieldName());
    }
}

bool SRptDlgTxtEdit::OffersField(ISRptField* field) {
    SComWrap<ISRptCustom> custom;
    custom = static_cast<IUnknown*>(m_item.Get());
    if (!custom) return true;
    SComWrap<IUnknown> userProcs;
    custom->GetUserProcs(&userProcs);
    SComWrap<ISRptUserProcs> procs;
    procs = userProcs.Get();
    if (!procs) return false;
    // The module answers 1 from its element fetch when the field is present for the item; the
    // record carries the field's presence flag in the item's word.
    RPTPROCCONTEXT context;
    context.ItemParam = field->GetPresenceFlag();
    return procs->Fetch(nullptr, &context) == 1;
}

void SRptDlgTxtEdit::AddVariable(SMenu& menu, uint32_t id, const SString& label, const SString& inserted) {
    menu.AppendMenu(MF_STRING, id, label.c_str());
    m_variables[id] = inserted;
}

void SRptDlgTxtEdit::OnInsertVariable(uint32_t id) {
    const auto it = m_variables.find(id);
    m_text.Insert(it == m_variables.end() ? SString() : it->second);
}

void SRptDlgTxtEdit::OnFormat() {
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(m_item.Get());
    SRptDlgMultiFormat sheet(object.Get(), 0, SRptDlgMultiPages::IDD_FORMAT);
    if (sheet.DoModal() == IDOK) m_text.SetFont(m_para.Get());
}

void SRptDlgTxtEdit::OnOK() {
    m_text.Store();
    SRepDialog::OnOK();
}

void SRptDlgTxtEdit::OnCancel() {
    SRepDialog::OnCancel();
}

void SRptDlgTxtEdit::OnSize(uint32_t type, int32_t cx, int32_t cy) {
    Resize(this, type, cx, cy, SString());
}
