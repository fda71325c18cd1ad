#include "platform/ui/SDataExchange.h"

#include <charconv>

#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SWnd.h"

namespace {
SWnd* FindDescendant(SWnd* wnd, int32_t id) {
    if (!wnd) return nullptr;
    for (SWnd* child : wnd->GetChildren()) {
        if (child->GetDlgCtrlID() == id) return child;
        if (SWnd* inner = FindDescendant(child, id)) return inner;
    }
    return nullptr;
}
}  // namespace

SWnd* SDataExchange::PrepareCtrl(int32_t id) {
    SWnd* control = FindDescendant(m_pDlgWnd, id);
    m_failedId = id;
    return control;
}

void DDX_Text(SDataExchange* dx, int32_t id, SString& value) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) value = control->GetWindowText();
    else control->SetWindowText(value);
}

void DDX_Text(SDataExchange* dx, int32_t id, int32_t& value) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (!dx->m_bSaveAndValidate) {
        control->SetWindowText(SString::FromInt(value));
        return;
    }
    const std::string text = control->GetWindowText().str();
    size_t start = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    int32_t parsed = 0;
    if (start == std::string::npos) {
        dx->Fail();
        return;
    }
    auto [ptr, error] = std::from_chars(text.data() + start, text.data() + end + 1, parsed);
    if (error != std::errc() || ptr != text.data() + end + 1) {
        dx->Fail();
        return;
    }
    value = parsed;
}

void DDX_Check(SDataExchange* dx, int32_t id, int32_t& value) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) value = static_cast<int32_t>(control->SendMessage(BM_GETCHECK));
    else control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_CBIndex(SDataExchange* dx, int32_t id, int32_t& index) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) index = static_cast<int32_t>(control->SendMessage(CB_GETCURSEL));
    else control->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
}

void DDX_CBString(SDataExchange* dx, int32_t id, SString& value) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) {
        value = control->GetWindowText();
        return;
    }
    if (control->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) < 0)
        control->SetWindowText(value);
}

void DDX_LBIndex(SDataExchange* dx, int32_t id, int32_t& index) {
    SWnd* control = dx->PrepareCtrl(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) index = static_cast<int32_t>(control->SendMessage(LB_GETCURSEL));
    else control->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index));
}

void DDV_MinMaxInt(SDataExchange* dx, int32_t value, int32_t minimum, int32_t maximum) {
    if (dx->m_bSaveAndValidate && (value < minimum || value > maximum)) dx->Fail();
}
