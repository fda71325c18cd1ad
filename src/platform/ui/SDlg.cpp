#include "platform/ui/SDlg.h"

#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"

const SClassInfo SDlg::classSDlg = {"SDlg", &SWnd::classSWnd};

S_BEGIN_MESSAGE_MAP(SDlg, SWnd)
    SMsgEntry::Command(IDOK, &SDlg::OnOK),
    SMsgEntry::Command(IDCANCEL, &SDlg::OnCancel),
S_END_MESSAGE_MAP()

void SDlg::CreateControls(SWnd& parent, const SDlgTemplate& dialogTemplate) {
    for (const SDlgTemplateControl& control : dialogTemplate.controls) {
        // The control's object is made on demand (FromHandle) or attached by the dialog.
        auto* made = new SWnd();
        if (made->Create(control.className.c_str(), control.text.c_str(), control.style | WS_CHILD, control.rect, &parent,
                         static_cast<uint32_t>(control.id)))
            made->UnsubclassWindow();
        delete made;
    }
}

int32_t SDlg::CreateDialogWindow(SWnd* parent, bool) {
    m_ended = false;
    m_result = IDCANCEL;
    if (m_templateId) m_template.Load(SGetResInstance(m_templateId, RT_DIALOG), m_templateId);
    const uint32_t style = (m_template.style ? m_template.style : WS_POPUP) | WS_VISIBLE;
    if (!CreateEx("#32770", m_template.caption.c_str(), style, m_template.rect, nullptr, 0, parent)) return 0;
    CreateControls(*this, m_template);
    OnInitDialog();
    return m_hWnd ? 1 : 0;
}

SPrompt SDlg::MakePrompt(bool modeless) const {
    SPrompt prompt;
    prompt.kind = SPrompt::Dialog;
    prompt.caption = GetWindowText();
    prompt.text = SString::FromInt(m_templateId);
    prompt.modeless = modeless;
    return prompt;
}

void SDlg::ApplyAnswer(const SAnswer& answer) {
    for (const auto& [id, value] : answer.controlValues) {
        if (m_ended || !m_hWnd) return;
        if (HWND control = FindControlHandle(id)) SendMessageA(control, SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(value.c_str()));
    }
}

int32_t SDlg::DoModal() {
    if (!CreateDialogWindow(m_parentWnd, false)) return -1;
    if (!m_ended) {
        const SAnswer answer = SInteraction::Ask(MakePrompt(false));
        ApplyAnswer(answer);
        if (!m_ended && m_hWnd) PressButton(answer.button);
    }
    // A user who cannot get past the dialog gives up.
    if (!m_ended && m_hWnd) PressButton(IDCANCEL);
    if (!m_ended) EndDialog(IDCANCEL);
    const int32_t result = m_result;
    DestroyWindow();
    return result;
}

int32_t SDlg::Create(uint32_t templateId, SWnd* parent) {
    m_templateId = templateId;
    if (!CreateDialogWindow(parent, true)) return 0;
    const SAnswer answer = SInteraction::Ask(MakePrompt(true));
    ApplyAnswer(answer);
    m_pendingButton = answer.button;
    return 1;
}

void SDlg::PumpMessages() {
    const int32_t button = m_pendingButton;
    m_pendingButton = 0;
    if (button && m_hWnd) PressButton(button);
}

int32_t SDlg::OnInitDialog() {
    UpdateData(0);
    return 1;
}

void SDlg::OnOK() {
    if (!UpdateData(1)) return;
    EndDialog(IDOK);
}

void SDlg::OnCancel() {
    EndDialog(IDCANCEL);
}

int32_t SDlg::UpdateData(int32_t saveAndValidate) {
    SDataExchange dx(this, saveAndValidate != 0);
    DoDataExchange(&dx);
    return dx.Failed() ? 0 : 1;
}

void SDlg::EndDialog(int32_t result) {
    m_ended = true;
    m_result = result;
}

int32_t SDlg::AttachDlgItem(int32_t id, SWnd& control) {
    HWND handle = FindControlHandle(id);
    return handle ? control.SubclassWindow(handle) : 0;
}

SWnd* SDlg::FindControl(int32_t id) const {
    return FromHandle(FindControlHandle(id));
}

HWND SDlg::FindControlHandle(int32_t id) const {
    SDataExchange dx(const_cast<SDlg*>(this), false);
    SWnd* control = dx.PrepareCtrl(id);
    return control ? control->m_hWnd : 0;
}

void SDlg::PressButton(int32_t id) {
    if (HWND button = FindControlHandle(id)) {
        SWnd* control = FromHandle(button);
        if (control->GetClassName() == "BUTTON") {
            control->SendMessage(BM_CLICK);
            return;
        }
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(id), static_cast<uint16_t>(BN_CLICKED)), 0);
}
