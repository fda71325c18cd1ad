#include "platform/repo/SRepControlHolder.h"

SRepDlgControl& SRepControlHolder::Add(std::unique_ptr<SRepDlgControl> control) {
    m_controls.push_back(std::move(control));
    return *m_controls.back();
}

void SRepControlHolder::ShowAll(SDlg& dialog) {
    for (const auto& control : m_controls) control->Show(dialog);
}

HRESULT SRepControlHolder::SaveAll(SDlg& dialog, SRepDialogContext& context) {
    HRESULT first = S_OK;
    for (const auto& control : m_controls) {
        const HRESULT hr = control->Save(dialog, context);
        if (FAILED(hr) && first == S_OK) first = hr;
    }
    return first;
}

SRepDlgControl* SRepControlHolder::Find(int32_t controlId) const {
    for (const auto& control : m_controls)
        if (control->GetControlID() == controlId) return control.get();
    return nullptr;
}
