#include "rpt/dialogs/SRptDlgListBoxCtrl.h"

#include <vector>

#include "rpt/dialogs/SRptDlgListBoxOwner.h"

namespace {
// The list box's entries are this many units high, from the top of its client area.
constexpr int32_t kEntryHeight = 16;
}  // namespace

const SClassInfo SRptDlgListBoxCtrl::classSRptDlgListBoxCtrl = {"SRptDlgListBoxCtrl", &SListBoxCtrl::classSListBoxCtrl};

S_BEGIN_MESSAGE_MAP(SRptDlgListBoxCtrl, SListBoxCtrl)
    SMsgEntry::Mouse(WM_LBUTTONDOWN, &SRptDlgListBoxCtrl::OnLButtonDown),
    SMsgEntry::Mouse(WM_LBUTTONUP, &SRptDlgListBoxCtrl::OnLButtonUp),
    SMsgEntry::Key(WM_KEYDOWN, &SRptDlgListBoxCtrl::OnKeyDown),
    SMsgEntry::Key(WM_KEYUP, &SRptDlgListBoxCtrl::OnKeyUp),
    SMsgEntry::Key(WM_CHAR, &SRptDlgListBoxCtrl::OnChar),
S_END_MESSAGE_MAP()

SRptDlgListBoxOwner* SRptDlgListBoxCtrl::GetListOwner() const {
    return dynamic_cast<SRptDlgListBoxOwner*>(GetParent());
}

int32_t SRptDlgListBoxCtrl::AskSelChanging() const {
    SRptDlgListBoxOwner* owner = GetListOwner();
    return owner ? owner->OnItemsSelChanging() : 1;
}

void SRptDlgListBoxCtrl::OnLButtonDown(uint32_t, POINT) {
    m_selChangeAllowed = 0;
    m_selChangeAllowed = AskSelChanging();
    // A refused press never reaches the list, so the selection stays as it was.
    if (m_selChangeAllowed == 1) Default();
}

void SRptDlgListBoxCtrl::OnLButtonUp(uint32_t, POINT) {
    Default();
    if (m_selChangeAllowed == 1)
        if (SRptDlgListBoxOwner* owner = GetListOwner()) owner->OnItemsSelChanged();
    m_selChangeAllowed = 0;
}

void SRptDlgListBoxCtrl::OnKeyDown(uint32_t, uint32_t, uint32_t) {
    // The key's effect is known only once the list has handled it; a refused change is put back.
    const std::vector<int32_t> before = GetSelItems();
    Default();
    const std::vector<int32_t> after = GetSelItems();
    if (before == after) return;
    if (AskSelChanging() == 1) {
        if (SRptDlgListBoxOwner* owner = GetListOwner()) owner->OnItemsSelChanged();
        return;
    }
    SetSel(-1, 0);
    for (int32_t index : before) SetSel(index, 1);
}

void SRptDlgListBoxCtrl::OnKeyUp(uint32_t, uint32_t, uint32_t) {
    Default();
}

void SRptDlgListBoxCtrl::OnChar(uint32_t key, uint32_t repeat, uint32_t flags) {
    OnKeyDown(key, repeat, flags);
}

LRESULT SRptDlgListBoxCtrl::WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message == SWM_USERVALUE) return ClickEntries(SString(reinterpret_cast<const char*>(lParam)));
    return SListBoxCtrl::WindowProc(message, wParam, lParam);
}

int32_t SRptDlgListBoxCtrl::ClickEntries(const SString& names) {
    int32_t allFound = 1;
    bool first = true;
    std::string_view rest = names.view();
    while (true) {
        const size_t end = rest.find('\n');
        const SString name(std::string(rest.substr(0, end)));
        const int32_t index = FindStringExact(-1, name.c_str());
        if (index < 0) {
            allFound = 0;
        } else {
            const LPARAM point = MAKELPARAM(1, static_cast<uint16_t>(index * kEntryHeight + 1));
            const WPARAM keys = first ? 0 : MK_CONTROL;
            SendMessage(WM_LBUTTONDOWN, keys, point);
            if (!m_hWnd) return 0;
            SendMessage(WM_LBUTTONUP, keys, point);
            first = false;
        }
        if (end == std::string_view::npos || !m_hWnd) break;
        rest = rest.substr(end + 1);
    }
    return allFound;
}
