#include "rpt/dialogs/SRptDlgParagraphPage.h"

#include <array>
#include <optional>

#include "platform/base/SModuleState.h"
#include "platform/com/SComWrap.h"
#include "rpt/dialogs/RptWarnRange.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgUnits.h"
#include "varod9/ISRptPara.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgParagraphPage::classSRptDlgParagraphPage = {"SRptDlgParagraphPage",
                                                                    &SRptDlgFormatPage::classSRptDlgFormatPage};

namespace {
constexpr int32_t kChoiceCount = SRptDlgParagraphPage::kSpacingChoices + SRptDlgParagraphPage::kAlignmentChoices;
constexpr int32_t kBetween = 5;  // the line spacing value, after the five other edits
// Selects the whole text of an edit.

// Line spacing: exact in hundredths of a millimetre, multiple in hundredths of a line.
constexpr int32_t kExactLower = 35;
constexpr int32_t kExactUpper = 30000;
constexpr int32_t kExactStep = 35;
constexpr int32_t kMultipleLower = 50;
constexpr int32_t kMultipleUpper = 13200;
constexpr int32_t kMultipleStep = 50;
constexpr int16_t kTypeExact = 1;
constexpr int16_t kTypeMultiple = 2;
// What "Exactly" starts with when the user chooses it: 12 pt.
constexpr int32_t kExactDefault = 423;

std::array<SString, kChoiceCount>& ChoiceTexts() {
    static auto* texts = new std::array<SString, kChoiceCount>();
    return *texts;
}

const SString& ChoiceText(int32_t index) {
    static const SString none;
    return index >= 0 && index < kChoiceCount ? ChoiceTexts()[static_cast<size_t>(index)] : none;
}

// The multiple of a line that each choice of the kind list stands for.
int32_t MultipleOf(int32_t spacing) {
    if (spacing == SRptDlgParagraphPage::SpacingOneAndHalf) return 150;
    if (spacing == SRptDlgParagraphPage::SpacingDouble) return 200;
    return 100;
}

// Alignment values by the index of their choice, and back.
constexpr int16_t kAlignValues[] = {1, 4, 2, 8};
int32_t AlignIndex(int16_t value) {
    for (int32_t i = 0; i < 4; ++i)
        if (kAlignValues[i] == value) return i;
    return -1;
}
}  // namespace

// A length of the paragraph: its edit and up-down control, its limits in hundredths of a
// millimetre, the up-down step, and the attribute it edits. An indent is shown in the display
// unit (its up-down control counts thousandths of it); spacing is shown in points (its up-down
// control counts hundredths of a millimetre).
struct SRptDlgParagraphPage::Field {
    int32_t edit;
    int32_t spin;
    bool indent;
    int32_t lower;
    int32_t upper;
    int32_t step;
    int16_t (ISRptPara::*get)();
    HRESULT (ISRptPara::*put)(int16_t) noexcept;
};

const SRptDlgParagraphPage::Field SRptDlgParagraphPage::kFields[5] = {
    {IDC_LEFT, IDC_SPIN_LEFT, true, -30000, 30000, 100, &ISRptPara::GetLeft, &ISRptPara::PutLeft},
    {IDC_RIGHT, IDC_SPIN_RIGHT, true, -30000, 30000, 100, &ISRptPara::GetRight, &ISRptPara::PutRight},
    {IDC_FIRST, IDC_SPIN_FIRST, true, 0, 30000, 100, &ISRptPara::GetFirst, &ISRptPara::PutFirst},
    {IDC_BEFORE, IDC_SPIN_BEFORE, false, 0, 30000, 212, &ISRptPara::GetSpBefore, &ISRptPara::PutSpBefore},
    {IDC_AFTER, IDC_SPIN_AFTER, false, 0, 30000, 212, &ISRptPara::GetSpAfter, &ISRptPara::PutSpAfter},
};

S_BEGIN_MESSAGE_MAP(SRptDlgParagraphPage, SRptDlgFormatPage)
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_LEFT, &SRptDlgParagraphPage::OnSpinLeft),
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_RIGHT, &SRptDlgParagraphPage::OnSpinRight),
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_FIRST, &SRptDlgParagraphPage::OnSpinFirst),
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_BEFORE, &SRptDlgParagraphPage::OnSpinBefore),
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_AFTER, &SRptDlgParagraphPage::OnSpinAfter),
    SMsgEntry::Notify(UDN_DELTAPOS, IDC_SPIN_BETWEEN, &SRptDlgParagraphPage::OnSpinBetween),
    SMsgEntry::Control(EN_CHANGE, IDC_LEFT, &SRptDlgParagraphPage::OnEditChangedLeft),
    SMsgEntry::Control(EN_CHANGE, IDC_RIGHT, &SRptDlgParagraphPage::OnEditChangedRight),
    SMsgEntry::Control(EN_CHANGE, IDC_FIRST, &SRptDlgParagraphPage::OnEditChangedFirst),
    SMsgEntry::Control(EN_CHANGE, IDC_BEFORE, &SRptDlgParagraphPage::OnEditChangedBefore),
    SMsgEntry::Control(EN_CHANGE, IDC_AFTER, &SRptDlgParagraphPage::OnEditChangedAfter),
    SMsgEntry::Control(EN_CHANGE, IDC_BETWEEN, &SRptDlgParagraphPage::OnEditChangedBetween),
    SMsgEntry::Control(CBN_SELCHANGE, IDC_SPACING, &SRptDlgParagraphPage::OnSpTypeSelChange),
S_END_MESSAGE_MAP()

const SString& SRptDlgParagraphPage::GetSpacingText(int32_t index) {
    return index >= 0 && index < kSpacingChoices ? ChoiceText(index) : ChoiceText(-1);
}

const SString& SRptDlgParagraphPage::GetAlignmentText(int32_t index) {
    return index >= 0 && index < kAlignmentChoices ? ChoiceText(kSpacingChoices + index) : ChoiceText(-1);
}

void SRptDlgParagraphPage::LoadChoiceTexts() {
    SModuleStateGuard state(SRptGetModuleState());
    // The ids of both lists follow each other in the string table.
    for (int32_t i = 0; i < kChoiceCount; ++i) ChoiceTexts()[static_cast<size_t>(i)].LoadString(IDS_SPACING_SINGLE + static_cast<uint32_t>(i));
}

void SRptDlgParagraphPage::FreeChoiceTexts() {
    for (SString& text : ChoiceTexts()) text.Empty();
}

const SRptDlgParagraphPage::Field* SRptDlgParagraphPage::FindField(int32_t editId) {
    for (const Field& field : kFields)
        if (field.edit == editId) return &field;
    return nullptr;
}

int32_t SRptDlgParagraphPage::FieldIndex(const Field& field) const {
    return static_cast<int32_t>(&field - kFields);
}

SRptDlgSpinCtrl* SRptDlgParagraphPage::GetSpin(int32_t editId) {
    if (editId == IDC_BETWEEN) return &m_spins[kBetween];
    const Field* field = FindField(editId);
    return field ? &m_spins[FieldIndex(*field)] : nullptr;
}

int32_t SRptDlgParagraphPage::OnInitDialog() {
    m_metric = SRptDlgUnits::IsMetric();
    for (const Field& field : kFields) {
        const int32_t i = FieldIndex(field);
        AttachDlgItem(field.edit, m_edits[i]);
        AttachDlgItem(field.spin, m_spins[i]);
        m_spins[i].SetBuddy(&m_edits[i]);
        // In inches the edit and its up-down control count thousandths of an inch.
        if (field.indent)
            m_spins[i].SetRange32(SRptDlgUnits::ToThousandths(field.lower, m_metric), SRptDlgUnits::ToThousandths(field.upper, m_metric));
        else
            m_spins[i].SetRange32(field.lower, field.upper);
        m_spins[i].SetStep(field.step);
    }
    AttachDlgItem(IDC_BETWEEN, m_edits[kBetween]);
    AttachDlgItem(IDC_SPIN_BETWEEN, m_spins[kBetween]);
    m_spins[kBetween].SetBuddy(&m_edits[kBetween]);
    AttachDlgItem(IDC_SPACING, m_spacing);
    AttachDlgItem(IDC_ALIGNMENT, m_alignment);
    for (int32_t i = 0; i < kSpacingChoices; ++i) m_spacing.AddString(GetSpacingText(i).c_str());
    for (int32_t i = 0; i < kAlignmentChoices; ++i) m_alignment.AddString(GetAlignmentText(i).c_str());
    return SRptDlgFormatPage::OnInitDialog();
}

int32_t SRptDlgParagraphPage::ReadField(const Field& field, const SString& text) const {
    return field.indent ? SRptDlgUnits::ReadThousandths(text) : SRptDlgUnits::ReadPoints(text);
}

SString SRptDlgParagraphPage::FieldText(const Field& field, int32_t value) const {
    return field.indent ? SRptDlgUnits::ThousandthsText(value, m_metric) : SRptDlgUnits::PointsText(value);
}

int32_t SRptDlgParagraphPage::StoredValue(const Field& field, int32_t value) const {
    return field.indent ? SRptDlgUnits::FromThousandths(value, m_metric) : value;
}

bool SRptDlgParagraphPage::IsExactShown() {
    return m_spacing.GetWindowText() == GetSpacingText(SpacingExactly);
}

int32_t SRptDlgParagraphPage::ReadBetween(const SString& text) {
    return IsExactShown() ? SRptDlgUnits::ReadPoints(text) : SRptDlgUnits::ReadMultiple(text);
}

SString SRptDlgParagraphPage::BetweenText(int32_t value) {
    return IsExactShown() ? SRptDlgUnits::PointsText(value) : SRptDlgUnits::MultipleText(value);
}

void SRptDlgParagraphPage::SetBetweenRange(bool exact) {
    m_spins[kBetween].SetRange32(exact ? kExactLower : kMultipleLower, exact ? kExactUpper : kMultipleUpper);
    m_spins[kBetween].SetStep(exact ? kExactStep : kMultipleStep);
}

void SRptDlgParagraphPage::SelectSpacing(int32_t index) {
    m_programmaticKind = 1;
    if (index < 0) m_spacing.SetCurSel(-1);
    else m_spacing.SelectString(-1, GetSpacingText(index).c_str());
    m_programmaticKind = 0;
}

void SRptDlgParagraphPage::SetBetweenText(const SString& text) {
    m_programmaticText = 1;
    m_edits[kBetween].SetWindowText(text);
    m_programmaticText = 0;
}

void SRptDlgParagraphPage::ShowLineSpacing(int16_t type, int16_t between) {
    int32_t kind = -1;
    if (type == kTypeExact) kind = SpacingExactly;
    else if (type == kTypeMultiple) {
        kind = SpacingMultiple;
        for (int32_t i : {SpacingSingle, SpacingOneAndHalf, SpacingDouble})
            if (between == MultipleOf(i)) kind = i;
    }
    SelectSpacing(kind);
    SetBetweenRange(type == kTypeExact);
    m_spins[kBetween].SetPos(between);
    if (type == kTypeExact) SetBetweenText(SRptDlgUnits::PointsText(between));
    else if (type == kTypeMultiple) SetBetweenText(SRptDlgUnits::MultipleText(between));
    else SetBetweenText(SString());
}

void SRptDlgParagraphPage::ShowAlignment(int16_t alignment) {
    const int32_t index = AlignIndex(alignment);
    if (index < 0) m_alignment.SetCurSel(-1);
    else m_alignment.SelectString(-1, GetAlignmentText(index).c_str());
}

int32_t SRptDlgParagraphPage::OnSetActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    SComWrap<ISRptPara> first(paras[0]);
    for (const Field& field : kFields) {
        const int16_t value = ((*first).*field.get)();
        const int32_t shown = field.indent ? SRptDlgUnits::ToThousandths(value, m_metric) : value;
        m_edits[FieldIndex(field)].SetWindowText(FieldText(field, shown));
    }
    const int16_t type = first->GetSpType();
    const int16_t between = first->GetSpBetween();
    const int16_t alignment = first->GetAlignment();
    ShowLineSpacing(type, between);
    ShowAlignment(alignment);

    for (int32_t i = 1; i < paras.GetSize(); ++i) {
        SComWrap<ISRptPara> para(paras[i]);
        for (const Field& field : kFields)
            if (((*para).*field.get)() != ((*first).*field.get)()) m_edits[FieldIndex(field)].SetWindowText(SString());
        if (para->GetSpType() != type) {
            m_spacing.SetCurSel(-1);
            SetBetweenText(SString());
        } else if (para->GetSpBetween() != between) {
            m_edits[kBetween].SetWindowText(SString());
        }
        if (para->GetAlignment() != alignment) m_alignment.SetCurSel(-1);
    }
    m_shown.Record(*this, {IDC_LEFT, IDC_RIGHT, IDC_FIRST, IDC_BEFORE, IDC_AFTER, IDC_SPACING, IDC_BETWEEN, IDC_ALIGNMENT});
    return 1;
}

int32_t SRptDlgParagraphPage::Refuse(int32_t editId, bool exact) {
    SWnd* owner = GetFormatSheet() ? static_cast<SWnd*>(GetFormatSheet()) : this;
    if (const Field* field = FindField(editId)) {
        if (field->indent) RptWarnRangeMetric(owner, field->lower, field->upper);
        else RptWarnRangePoints(owner, field->lower, field->upper);
    } else if (exact) {
        RptWarnRangePoints(owner, kExactLower, kExactUpper);
    } else {
        RptWarnRangeLines(owner, kMultipleLower / 100, kMultipleUpper / 100);
    }
    if (SWnd* edit = FindControl(editId)) {
        edit->SetFocus();
        edit->SendMessage(EM_SETSEL, 0, -1);
    }
    return 0;
}

int32_t SRptDlgParagraphPage::OnKillActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty() || !m_hWnd) return 1;
    // Every changed value is read and checked before any paragraph is written.
    std::optional<int16_t> lengths[5];
    for (const Field& field : kFields) {
        const int32_t i = FieldIndex(field);
        const SString text = m_edits[i].GetWindowText();
        if (text.IsEmpty() || !m_shown.Changed(*this, field.edit)) continue;
        const int32_t value = ReadField(field, text);
        if (!m_spins[i].InRange(value)) return Refuse(field.edit, false);
        lengths[i] = static_cast<int16_t>(StoredValue(field, value));
    }
    std::optional<int16_t> type;
    std::optional<int16_t> between;
    const SString kind = m_spacing.GetWindowText();
    if (!kind.IsEmpty()) {
        const bool exact = IsExactShown();
        if (m_shown.Changed(*this, IDC_SPACING)) type = exact ? kTypeExact : kTypeMultiple;
        const SString text = m_edits[kBetween].GetWindowText();
        if (!text.IsEmpty() && (type || m_shown.Changed(*this, IDC_BETWEEN))) {
            const int32_t value = ReadBetween(text);
            if (!m_spins[kBetween].InRange(value)) return Refuse(IDC_BETWEEN, exact);
            between = static_cast<int16_t>(value);
        }
    }
    std::optional<int16_t> alignment;
    const SString align = m_alignment.GetWindowText();
    if (!align.IsEmpty() && m_shown.Changed(*this, IDC_ALIGNMENT))
        for (int32_t i = 0; i < kAlignmentChoices; ++i)
            if (align == GetAlignmentText(i)) alignment = kAlignValues[i];

    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    for (int32_t p = 0; p < paras.GetSize(); ++p) {
        SComWrap<ISRptPara> para(paras[p]);
        for (const Field& field : kFields)
            if (lengths[FieldIndex(field)]) ((*para).*field.put)(*lengths[FieldIndex(field)]);
        if (type) para->PutSpType(*type);
        if (between) para->PutSpBetween(*between);
        if (alignment) para->PutAlignment(*alignment);
    }
    m_shown.Record(*this, {IDC_LEFT, IDC_RIGHT, IDC_FIRST, IDC_BEFORE, IDC_AFTER, IDC_SPACING, IDC_BETWEEN, IDC_ALIGNMENT});
    return 1;
}

void SRptDlgParagraphPage::OnSpin(int32_t index, NMHDR* notify, LRESULT* result) {
    const Field& field = kFields[index];
    const auto* updown = reinterpret_cast<const NMUPDOWN*>(notify);
    SRptDlgSpinCtrl& spin = m_spins[FieldIndex(field)];
    const int32_t value = spin.Clamp(spin.GetPos() + (updown ? updown->iDelta : 0));
    m_edits[FieldIndex(field)].SetWindowText(FieldText(field, value));
    *result = 1;
}

void SRptDlgParagraphPage::OnEditChanged(int32_t index) {
    const Field& field = kFields[index];
    SRptDlgSpinCtrl& spin = m_spins[FieldIndex(field)];
    int32_t value = ReadField(field, m_edits[FieldIndex(field)].GetWindowText());
    if (!spin.InRange(value)) value = 0;
    spin.SetPos(value);
}

void SRptDlgParagraphPage::OnSpinBetween(NMHDR* notify, LRESULT* result) {
    const auto* updown = reinterpret_cast<const NMUPDOWN*>(notify);
    SRptDlgSpinCtrl& spin = m_spins[kBetween];
    const int32_t value = spin.Clamp(spin.GetPos() + (updown ? updown->iDelta : 0));
    SetBetweenText(BetweenText(value));
    OnEditChangedBetween();
    *result = 1;
}

void SRptDlgParagraphPage::OnEditChangedBetween() {
    if (!m_programmaticText) {
        // A typed value is an exact spacing or a multiple of a line, whatever kind was shown.
        const int32_t kind = IsExactShown() ? SpacingExactly : SpacingMultiple;
        const bool changes = m_spacing.GetWindowText() != GetSpacingText(kind);
        SelectSpacing(kind);
        if (changes) SetBetweenRange(kind == SpacingExactly);
    }
    SRptDlgSpinCtrl& spin = m_spins[kBetween];
    int32_t value = ReadBetween(m_edits[kBetween].GetWindowText());
    if (!spin.InRange(value)) value = 0;
    spin.SetPos(value);
}

void SRptDlgParagraphPage::OnSpTypeChanged() {
    const SString kind = m_spacing.GetWindowText();
    int32_t index = -1;
    for (int32_t i = 0; i < kSpacingChoices; ++i)
        if (kind == GetSpacingText(i)) index = i;
    if (index < 0) return;
    const bool exact = index == SpacingExactly;
    SetBetweenRange(exact);
    const SString text = m_edits[kBetween].GetWindowText();
    int32_t value;
    if (exact) value = m_programmaticKind ? SRptDlgUnits::ReadPoints(text) : kExactDefault;
    else value = m_programmaticKind ? SRptDlgUnits::ReadMultiple(text) : MultipleOf(index);
    m_spins[kBetween].SetPos(value);
    SetBetweenText(exact ? SRptDlgUnits::PointsText(value) : SRptDlgUnits::MultipleText(value));
}
