#include "rpt/dialogs/SRptDlgTabPage.h"

#include <algorithm>
#include <map>
#include <cstdint>
#include <set>

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "rpt/dialogs/RptWarnRange.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgUnits.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"

const SClassInfo SRptDlgTabPage::classSRptDlgTabPage = {"SRptDlgTabPage", &SRptDlgFormatPage::classSRptDlgFormatPage};

S_BEGIN_MESSAGE_MAP(SRptDlgTabPage, SRptDlgFormatPage)
    SMsgEntry::Control(BN_CLICKED, SRptDlgTabPage::IDC_SET, &SRptDlgTabPage::OnSetClick),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTabPage::IDC_CLEAR, &SRptDlgTabPage::OnClearClick),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTabPage::IDC_CLEAR_ALL, &SRptDlgTabPage::OnClearAllClick),
    SMsgEntry::Control(CBN_SELCHANGE, SRptDlgTabPage::IDC_POSITIONS, &SRptDlgTabPage::OnSelChanged),
    SMsgEntry::Control(CBN_EDITCHANGE, SRptDlgTabPage::IDC_POSITIONS, &SRptDlgTabPage::OnEditChanged),
    SMsgEntry::Notify(UDN_DELTAPOS, SRptDlgTabPage::IDC_DEFAULT_TAB_SPIN, &SRptDlgTabPage::OnSpinDefaultTabSize),
    SMsgEntry::Control(EN_CHANGE, SRptDlgTabPage::IDC_DEFAULT_TAB_SIZE, &SRptDlgTabPage::OnEditChangedDefaultTabSize),
S_END_MESSAGE_MAP()

namespace {
// A paragraph's stops in its order (ascending position).
std::vector<RPTTABPOS> ReadStops(const SComWrap<ISRptPara>& para) {
    std::vector<RPTTABPOS> stops;
    const int32_t count = para->GetNbTabs();
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRptTabulation> tab;
        const HRESULT hr = para->GetTabPosAtIndex(i, &tab);
        if (FAILED(hr)) SComThrow(hr);
        RPTTABPOS stop;
        stop.position = tab->GetPosition();
        stop.alignment = static_cast<int16_t>(tab->GetAlignment());
        stops.push_back(stop);
    }
    return stops;
}

// A stored length as the page shows it, and a typed one as it is stored.
SString LengthText(int32_t himetric, bool metric) {
    return SRptDlgUnits::ThousandthsText(SRptDlgUnits::ToThousandths(himetric, metric), metric);
}

int32_t ReadLength(const SString& text, bool metric) {
    return SRptDlgUnits::FromThousandths(SRptDlgUnits::ReadThousandths(text), metric);
}
}  // namespace

int32_t SRptDlgTabPage::OnInitDialog() {
    AttachDlgItem(IDC_POSITIONS, m_positions);
    AttachDlgItem(IDC_DEFAULT_TAB_SIZE, m_defaultTabSize);
    AttachDlgItem(IDC_DEFAULT_TAB_SPIN, m_spin);
    AttachDlgItem(IDC_LEFT, m_alignments[0]);
    AttachDlgItem(IDC_CENTER, m_alignments[1]);
    AttachDlgItem(IDC_RIGHT, m_alignments[2]);
    AttachDlgItem(IDC_SET, m_set);
    AttachDlgItem(IDC_CLEAR, m_clear);
    AttachDlgItem(IDC_CLEAR_ALL, m_clearAll);
    // In inches the spin counts thousandths of an inch over the same length.
    m_metric = SRptDlgUnits::IsMetric();
    m_spin.SetBuddy(&m_defaultTabSize);
    m_spin.SetRange32(0, SRptDlgUnits::ToThousandths(kMaxDefaultTabSize, m_metric));
    m_spin.SetStep(kSpinStep);
    return SRptDlgFormatPage::OnInitDialog();
}

int32_t SRptDlgTabPage::OnSetActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!m_hWnd || !sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    const int16_t tabSize = SComWrap<ISRptPara>(paras[0])->GetDefaultTabSize();
    m_defaultTabSize.SetWindowText(LengthText(tabSize, m_metric));

    CheckAlignment(RPT_TABPOS_ALIGN_LEFT);
    m_positions.ResetContent();
    m_positions.SetWindowText(SString());
    m_stops.clear();
    m_log.clear();
    EnableStopButtons(false);
    LoadCommonStops();
    if (!m_stops.empty()) {
        CheckAlignment(m_stops.front().alignment);
        m_positions.SetCurSel(0);
        EnableStopButtons(true);
    }

    for (int32_t p = 1; p < paras.GetSize(); ++p) {
        if (SComWrap<ISRptPara>(paras[p])->GetDefaultTabSize() != tabSize) {
            m_defaultTabSize.SetWindowText(SString());
            break;
        }
    }
    m_shown.Record(*this, {IDC_DEFAULT_TAB_SIZE});
    return 1;
}

void SRptDlgTabPage::LoadCommonStops() {
    const SComTable<ISRptPara>& paras = GetFormatSheet()->GetSelectedParas();
    struct SCommon {
        int16_t alignment;
        int32_t count;
    };
    std::map<int32_t, SCommon> common;
    for (const RPTTABPOS& stop : ReadStops(SComWrap<ISRptPara>(paras[0])))
        common[stop.position] = SCommon{stop.alignment, 1};
    for (int32_t p = 1; p < paras.GetSize(); ++p) {
        // A paragraph counts once for a position, however many stops it has there.
        std::set<int32_t> counted;
        for (const RPTTABPOS& stop : ReadStops(SComWrap<ISRptPara>(paras[p]))) {
            auto found = common.find(stop.position);
            if (found != common.end() && counted.insert(stop.position).second) ++found->second.count;
        }
    }
    for (const auto& [position, entry] : common) {
        if (entry.count != paras.GetSize()) continue;
        RPTTABPOS stop;
        stop.position = position;
        stop.alignment = entry.alignment;
        m_positions.AddString(LengthText(position, m_metric).c_str());
        m_stops.push_back(stop);
    }
}

int32_t SRptDlgTabPage::OnKillActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!m_hWnd || !sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    // Every field is checked before any paragraph is touched: a refusal writes nothing.
    int32_t tabSize = 0;
    const bool writeTabSize = ReadChangedDefaultTabSize(&tabSize);
    if (writeTabSize && !m_spin.InRange(tabSize)) {
        RptWarnRangeMetric(this, 0, kMaxDefaultTabSize);
        m_defaultTabSize.SetFocus();
        return 0;
    }

    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    const int32_t count = paras.GetSize();
    for (int32_t p = 0; p < count; ++p) {
        SComWrap<ISRptPara> para(paras[p]);
        // One paragraph takes the list as it stands; several replay what the user did, so that
        // the stops they do not share are kept.
        if (!m_log.empty()) {
            const HRESULT hr = count == 1
                                   ? para->SetTabs(static_cast<int32_t>(m_stops.size()), m_stops.data())
                                   : para->PlayTabPosLog(static_cast<int32_t>(m_log.size()), m_log.data());
            if (FAILED(hr)) SComThrow(hr);
        }
        if (writeTabSize) para->PutDefaultTabSize(static_cast<int16_t>(SRptDlgUnits::FromThousandths(tabSize, m_metric)));
    }
    // What was written is not written again if the sheet leaves the page once more (OK does).
    m_log.clear();
    m_shown.Record(*this, {IDC_DEFAULT_TAB_SIZE});
    return 1;
}

bool SRptDlgTabPage::ReadChangedDefaultTabSize(int32_t* thousandths) {
    const SString text = m_defaultTabSize.GetWindowText();
    if (text.IsEmpty() || !m_shown.Changed(*this, IDC_DEFAULT_TAB_SIZE)) return false;
    *thousandths = SRptDlgUnits::ReadThousandths(text);
    return true;
}

void SRptDlgTabPage::OnSetClick() {
    const SString text = m_positions.GetWindowText();
    if (!text.IsEmpty()) {
        RPTTABPOS stop;
        stop.position = ReadLength(text, m_metric);
        stop.alignment = GetCheckedAlignment();
        auto at = std::find_if(m_stops.begin(), m_stops.end(), [&](const RPTTABPOS& s) { return s.position >= stop.position; });
        const auto index = static_cast<int32_t>(at - m_stops.begin());
        // A stop already at that position is replaced: the paragraphs lose it first.
        if (at != m_stops.end() && at->position == stop.position) {
            m_positions.DeleteString(index);
            Log(RPT_TABPOS_OP_REMOVE, *at);
            at = m_stops.erase(at);
        }
        m_positions.InsertString(index, LengthText(stop.position, m_metric).c_str());
        m_stops.insert(at, stop);
        m_positions.SetWindowText(text);
        Log(RPT_TABPOS_OP_ADD, stop);
    }
    m_positions.SetFocus();
}

void SRptDlgTabPage::OnClearClick() {
    const SString text = m_positions.GetWindowText();
    if (!text.IsEmpty()) {
        const int32_t position = ReadLength(text, m_metric);
        auto found = std::find_if(m_stops.begin(), m_stops.end(), [&](const RPTTABPOS& s) { return s.position == position; });
        if (found != m_stops.end()) {
            const auto count = static_cast<int32_t>(m_stops.size());
            const auto index = static_cast<int32_t>(found - m_stops.begin());
            RPTTABPOS removed = *found;
            m_positions.DeleteString(index);
            m_stops.erase(found);
            Log(RPT_TABPOS_OP_REMOVE, removed);
            if (m_stops.empty()) {
                EnableStopButtons(false);
                m_positions.SetCurSel(-1);
            } else {
                m_positions.SetCurSel(index == count - 1 ? count - 2 : index);
                OnSelChanged();
            }
        }
    }
    m_positions.SetFocus();
}

void SRptDlgTabPage::OnClearAllClick() {
    CheckAlignment(RPT_TABPOS_ALIGN_LEFT);
    m_positions.ResetContent();
    m_positions.SetWindowText(SString());
    m_stops.clear();
    RPTTABPOS none;
    none.position = 0;
    none.alignment = 0;
    Log(RPT_TABPOS_OP_REMOVEALL, none);
    EnableStopButtons(false);
    m_positions.SetFocus();
}

void SRptDlgTabPage::OnSelChanged() {
    const int32_t selected = m_positions.GetCurSel();
    if (selected < 0 || selected >= static_cast<int32_t>(m_stops.size())) return;
    CheckAlignment(m_stops[selected].alignment);
    EnableStopButtons(true);
}

void SRptDlgTabPage::OnEditChanged() {
    EnableStopButtons(!m_positions.GetWindowText().IsEmpty());
}

void SRptDlgTabPage::OnSpinDefaultTabSize(NMHDR* header, LRESULT* result) {
    const auto* updown = reinterpret_cast<const NMUPDOWN*>(header);
    const int64_t wanted = static_cast<int64_t>(m_spin.GetPos()) + (updown ? updown->iDelta : 0);
    const int32_t shown = m_spin.Clamp(static_cast<int32_t>(std::clamp<int64_t>(wanted, INT32_MIN, INT32_MAX)));
    // The field's change handler moves the spin to what it shows.
    m_defaultTabSize.SetWindowText(SRptDlgUnits::ThousandthsText(shown, m_metric));
    if (result) *result = 1;
}

void SRptDlgTabPage::OnEditChangedDefaultTabSize() {
    const int32_t typed = SRptDlgUnits::ReadThousandths(m_defaultTabSize.GetWindowText());
    m_spin.SetPos(m_spin.InRange(typed) ? typed : 0);
}

int16_t SRptDlgTabPage::GetCheckedAlignment() {
    for (int16_t i = 0; i < 3; ++i)
        if (m_alignments[i].GetCheck() == BST_CHECKED) return static_cast<int16_t>(RPT_TABPOS_ALIGN_LEFT + i);
    return RPT_TABPOS_ALIGN_LEFT;
}

void SRptDlgTabPage::CheckAlignment(int32_t alignment) {
    for (int32_t i = 0; i < 3; ++i)
        m_alignments[i].SetCheck(alignment == RPT_TABPOS_ALIGN_LEFT + i ? BST_CHECKED : BST_UNCHECKED);
}

void SRptDlgTabPage::EnableStopButtons(bool enable) {
    m_set.EnableWindow(enable ? 1 : 0);
    m_clear.EnableWindow(enable ? 1 : 0);
}

void SRptDlgTabPage::Log(int32_t op, const RPTTABPOS& stop) {
    SRptTabPosOp entry;
    entry.tab = stop;
    entry.op = op;
    m_log.push_back(entry);
}
