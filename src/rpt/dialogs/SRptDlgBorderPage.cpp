#include "rpt/dialogs/SRptDlgBorderPage.h"

#include <optional>

#include "platform/com/SComWrap.h"
#include "rpt/dialogs/RptWarnRange.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgUnits.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptParaContainer.h"

const SClassInfo SRptDlgBorderPage::classSRptDlgBorderPage = {"SRptDlgBorderPage", &SRptDlgFormatPage::classSRptDlgFormatPage};

namespace {
constexpr int32_t kLower = 0;
constexpr int32_t kUpper = 30000;
constexpr int32_t kStep = 35;  // about a point
}  // namespace

// A side of the frame: its check box and its bit of Border.
struct SRptDlgBorderPage::Side {
    int32_t id;
    int16_t bit;
};

// A distance between the text and the border: its edit, its up-down control and its attribute.
struct SRptDlgBorderPage::Distance {
    int32_t edit;
    int32_t spin;
    int16_t (ISRptPara::*get)();
    HRESULT (ISRptPara::*put)(int16_t) noexcept;
};

const SRptDlgBorderPage::Width SRptDlgBorderPage::kWidths[9] = {
    {"1/4 pt", 9, 0},   {"1/2 pt", 18, 0},   {"3/4 pt", 26, 0},     {"1 pt", 35, 0},   {"1 1/2 pt", 53, 0},
    {"2 1/4 pt", 80, 71}, {"3 pt", 106, 0}, {"4 1/2 pt", 159, 141}, {"6 pt", 212, 0},
};

const SRptDlgBorderPage::Side SRptDlgBorderPage::kSides[4] = {
    {IDC_LEFT, 1}, {IDC_TOP, 2}, {IDC_RIGHT, 4}, {IDC_BOTTOM, 8}};

// In the order in which they are written back.
const SRptDlgBorderPage::Distance SRptDlgBorderPage::kDistances[4] = {
    {IDC_FROM_LEFT, 1124, &ISRptPara::GetSpTxtBorderLeft, &ISRptPara::PutSpTxtBorderLeft},
    {IDC_FROM_RIGHT, 1125, &ISRptPara::GetSpTxtBorderRight, &ISRptPara::PutSpTxtBorderRight},
    {IDC_FROM_TOP, 1122, &ISRptPara::GetSpTxtBorderTop, &ISRptPara::PutSpTxtBorderTop},
    {IDC_FROM_BOTTOM, 1123, &ISRptPara::GetSpTxtBorderBottom, &ISRptPara::PutSpTxtBorderBottom},
};

S_BEGIN_MESSAGE_MAP(SRptDlgBorderPage, SRptDlgFormatPage)
    SMsgEntry::Control(BN_CLICKED, IDC_LEFT, &SRptDlgBorderPage::OnLeftClick),
    SMsgEntry::Control(BN_CLICKED, IDC_TOP, &SRptDlgBorderPage::OnTopClick),
    SMsgEntry::Control(BN_CLICKED, IDC_RIGHT, &SRptDlgBorderPage::OnRightClick),
    SMsgEntry::Control(BN_CLICKED, IDC_BOTTOM, &SRptDlgBorderPage::OnBottomClick),
    SMsgEntry::Control(BN_CLICKED, IDC_BOX, &SRptDlgBorderPage::OnBoxClick),
    SMsgEntry::Notify(UDN_DELTAPOS, 1124, &SRptDlgBorderPage::OnSpinLeft),
    SMsgEntry::Notify(UDN_DELTAPOS, 1125, &SRptDlgBorderPage::OnSpinRight),
    SMsgEntry::Notify(UDN_DELTAPOS, 1122, &SRptDlgBorderPage::OnSpinTop),
    SMsgEntry::Notify(UDN_DELTAPOS, 1123, &SRptDlgBorderPage::OnSpinBottom),
    SMsgEntry::Control(EN_CHANGE, IDC_FROM_LEFT, &SRptDlgBorderPage::OnEditChangedLeft),
    SMsgEntry::Control(EN_CHANGE, IDC_FROM_RIGHT, &SRptDlgBorderPage::OnEditChangedRight),
    SMsgEntry::Control(EN_CHANGE, IDC_FROM_TOP, &SRptDlgBorderPage::OnEditChangedTop),
    SMsgEntry::Control(EN_CHANGE, IDC_FROM_BOTTOM, &SRptDlgBorderPage::OnEditChangedBottom),
S_END_MESSAGE_MAP()

int32_t SRptDlgBorderPage::FindWidth(int16_t width) {
    for (int32_t i = 0; i < 9; ++i)
        if (kWidths[i].value == width || (kWidths[i].alsoShown && kWidths[i].alsoShown == width)) return i;
    return -1;
}

SRptDlgSpinCtrl* SRptDlgBorderPage::GetSpin(int32_t editId) {
    for (int32_t i = 0; i < 4; ++i)
        if (kDistances[i].edit == editId) return &m_spins[i];
    return nullptr;
}

SButtonCtrl& SRptDlgBorderPage::Check(int32_t id) {
    for (int32_t i = 0; i < 4; ++i)
        if (kSides[i].id == id) return m_sides[i];
    return m_box;
}

int32_t SRptDlgBorderPage::OnInitDialog() {
    for (int32_t i = 0; i < 4; ++i) AttachDlgItem(kSides[i].id, m_sides[i]);
    AttachDlgItem(IDC_BOX, m_box);
    AttachDlgItem(IDC_WIDTH, m_width);
    AttachDlgItem(IDC_BOX_WIDTH, m_boxWidth);
    for (int32_t i = 0; i < 4; ++i) {
        AttachDlgItem(kDistances[i].edit, m_edits[i]);
        AttachDlgItem(kDistances[i].spin, m_spins[i]);
        m_spins[i].SetBuddy(&m_edits[i]);
        m_spins[i].SetRange32(kLower, kUpper);
        m_spins[i].SetStep(kStep);
    }
    for (const Width& width : kWidths) {
        m_width.AddString(width.text);
        m_boxWidth.AddString(width.text);
    }
    return SRptDlgFormatPage::OnInitDialog();
}

void SRptDlgBorderPage::ShowWidth(SComboBoxCtrl& list, int16_t width) {
    const int32_t index = FindWidth(width);
    if (index < 0) list.SetCurSel(-1);
    else list.SelectString(-1, kWidths[index].text);
}

bool SRptDlgBorderPage::BoxSupported(ISRptPara* first) {
    SComWrap<ISRepObject> parent;
    first->GetParentItem(&parent);
    SComWrap<ISRptParaContainer> container;
    if (!parent) return true;
    container.Assign(parent.Get());
    if (!container) return true;
    const SComTable<ISRptPara>& all = GetFormatSheet()->GetAllParas();
    const SComTable<ISRptPara>& selected = GetFormatSheet()->GetSelectedParas();
    for (int32_t i = 0; i < selected.GetSize(); ++i) {
        if (container->IsParaSupportBox(all.Find(selected[i])) == 1) return false;
    }
    return true;
}

int32_t SRptDlgBorderPage::OnSetActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    SComWrap<ISRptPara> first(paras[0]);
    const int16_t border = first->GetBorder();
    for (int32_t i = 0; i < 4; ++i) m_sides[i].SetCheck((border & kSides[i].bit) ? BST_CHECKED : BST_UNCHECKED);
    const bool box = first->GetBox();
    m_box.SetCheck(box ? BST_CHECKED : BST_UNCHECKED);
    const bool supported = BoxSupported(first.Get());
    m_box.EnableWindow(supported);
    m_boxWidth.EnableWindow(supported);
    ShowWidth(m_width, first->GetBorderWidth());
    ShowWidth(m_boxWidth, first->GetBoxWidth());
    for (int32_t i = 0; i < 4; ++i) m_edits[i].SetWindowText(SRptDlgUnits::PointsText(((*first).*kDistances[i].get)()));

    for (int32_t p = 1; p < paras.GetSize(); ++p) {
        SComWrap<ISRptPara> para(paras[p]);
        const int16_t other = para->GetBorder();
        for (int32_t i = 0; i < 4; ++i)
            if ((other & kSides[i].bit) != (border & kSides[i].bit)) m_sides[i].SetCheck(BST_INDETERMINATE);
        if (para->GetBox() != box) m_box.SetCheck(BST_INDETERMINATE);
        if (para->GetBorderWidth() != first->GetBorderWidth()) m_width.SetCurSel(-1);
        if (para->GetBoxWidth() != first->GetBoxWidth()) m_boxWidth.SetCurSel(-1);
        for (int32_t i = 0; i < 4; ++i)
            if (((*para).*kDistances[i].get)() != ((*first).*kDistances[i].get)()) m_edits[i].SetWindowText(SString());
    }
    m_shown.Record(*this, {IDC_LEFT, IDC_TOP, IDC_RIGHT, IDC_BOTTOM, IDC_BOX, IDC_WIDTH, IDC_BOX_WIDTH, IDC_FROM_LEFT,
                           IDC_FROM_RIGHT, IDC_FROM_TOP, IDC_FROM_BOTTOM});
    return 1;
}

bool SRptDlgBorderPage::Flag(int32_t id, bool own) {
    const int32_t state = Check(id).GetCheck();
    if (state == BST_INDETERMINATE || !m_shown.Changed(*this, id)) return own;
    return state == BST_CHECKED;
}

bool SRptDlgBorderPage::ChosenWidth(SComboBoxCtrl& list, int32_t id, int16_t* width) {
    const SString text = list.GetWindowText();
    if (text.IsEmpty() || !m_shown.Changed(*this, id)) return false;
    for (const Width& entry : kWidths)
        if (text == entry.text) {
            *width = entry.value;
            return true;
        }
    return false;
}

int32_t SRptDlgBorderPage::OnKillActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty() || !m_hWnd) return 1;
    // Every changed distance is checked before any paragraph is written.
    std::optional<int16_t> distances[4];
    for (int32_t i = 0; i < 4; ++i) {
        const SString text = m_edits[i].GetWindowText();
        if (text.IsEmpty() || !m_shown.Changed(*this, kDistances[i].edit)) continue;
        const int32_t value = SRptDlgUnits::ReadPoints(text);
        if (!m_spins[i].InRange(value)) {
            RptWarnRangePoints(sheet, kLower, kUpper);
            m_edits[i].SetFocus();
            m_edits[i].SendMessage(EM_SETSEL, 0, -1);
            return 0;
        }
        distances[i] = static_cast<int16_t>(value);
    }
    int16_t width = 0;
    int16_t boxWidth = 0;
    const bool writeWidth = ChosenWidth(m_width, IDC_WIDTH, &width);
    const bool writeBoxWidth = ChosenWidth(m_boxWidth, IDC_BOX_WIDTH, &boxWidth);

    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    for (int32_t p = 0; p < paras.GetSize(); ++p) {
        SComWrap<ISRptPara> para(paras[p]);
        const int16_t own = para->GetBorder();
        int16_t border = own;
        for (const Side& side : kSides) {
            border = static_cast<int16_t>(border & ~side.bit);
            if (Flag(side.id, (own & side.bit) != 0)) border = static_cast<int16_t>(border | side.bit);
        }
        if (border != own) para->PutBorder(border);
        const bool box = Flag(IDC_BOX, para->GetBox());
        if (box != para->GetBox()) para->PutBox(box);
        if (writeWidth) para->PutBorderWidth(width);
        if (writeBoxWidth) para->PutBoxWidth(boxWidth);
        for (int32_t i = 0; i < 4; ++i) {
            const Distance& distance = kDistances[i];
            if (distances[i]) ((*para).*distance.put)(*distances[i]);
        }
    }
    m_shown.Record(*this, {IDC_LEFT, IDC_TOP, IDC_RIGHT, IDC_BOTTOM, IDC_BOX, IDC_WIDTH, IDC_BOX_WIDTH, IDC_FROM_LEFT,
                           IDC_FROM_RIGHT, IDC_FROM_TOP, IDC_FROM_BOTTOM});
    return 1;
}

void SRptDlgBorderPage::Toggle(int32_t id) {
    SButtonCtrl& box = Check(id);
    box.SetCheck(box.GetCheck() == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
}

void SRptDlgBorderPage::OnSpin(int32_t index, NMHDR* notify, LRESULT* result) {
    const auto* updown = reinterpret_cast<const NMUPDOWN*>(notify);
    const int32_t value = m_spins[index].Clamp(m_spins[index].GetPos() + (updown ? updown->iDelta : 0));
    m_edits[index].SetWindowText(SRptDlgUnits::PointsText(value));
    *result = 1;
}

void SRptDlgBorderPage::OnEditChanged(int32_t index) {
    int32_t value = SRptDlgUnits::ReadPoints(m_edits[index].GetWindowText());
    if (!m_spins[index].InRange(value)) value = 0;
    m_spins[index].SetPos(value);
}
