#include "platform/repo/SRepDialogContext.h"
#include "platform/repo/SRepDlgCheckBox.h"
#include "platform/repo/SRepDlgEditField.h"
#include "platform/repo/SRepDlgRadioGroup.h"
#include "platform/ui/SDlg.h"

namespace {
SRepVariant Read(ISRepObject* object, int32_t id) {
    SRepVariant value;
    if (object) object->GetAttribute(id, &value);
    return value;
}

HRESULT SetIfChanged(SRepDialogContext& context, ISRepObject* object, int32_t id, const SRepVariant& value) {
    if (Read(object, id) == value) return S_OK;
    return context.SetAttribute(object, id, value);
}
}  // namespace

void SRepDlgEditField::Show(SDlg& dialog) {
    SWnd* control = dialog.FindControl(m_controlId);
    if (!control) return;
    const SRepVariant value = Read(m_object.Get(), m_attributeId);
    control->SetWindowText(value.IsText() ? value.GetText() : SString::FromInt(value.GetInt()));
}

HRESULT SRepDlgEditField::Save(SDlg& dialog, SRepDialogContext& context) {
    SWnd* control = dialog.FindControl(m_controlId);
    if (!control) return S_OK;
    SRepVariant value = Read(m_object.Get(), m_attributeId);
    const SString text = control->GetWindowText();
    if (value.IsText()) {
        // The value keeps the attribute's text type (short text or long text).
        SRepVariant fresh;
        fresh.SetChar(text);
        if (fresh.GetType() != value.GetType()) fresh.SetText(text);
        return SetIfChanged(context, m_object.Get(), m_attributeId, fresh);
    }
    SRepVariant fresh;
    fresh.SetInt(text.ToInt());
    return SetIfChanged(context, m_object.Get(), m_attributeId, fresh);
}

void SRepDlgCheckBox::Show(SDlg& dialog) {
    if (HWND box = dialog.FindControlHandle(m_controlId))
        SendMessageA(box, BM_SETCHECK, Read(m_object.Get(), m_attributeId).GetBool() ? 1 : 0);
}

HRESULT SRepDlgCheckBox::Save(SDlg& dialog, SRepDialogContext& context) {
    HWND box = dialog.FindControlHandle(m_controlId);
    if (!box) return S_OK;
    SRepVariant fresh;
    fresh.SetBool(SendMessageA(box, BM_GETCHECK) != 0);
    return SetIfChanged(context, m_object.Get(), m_attributeId, fresh);
}

void SRepDlgRadioGroup::Show(SDlg& dialog) {
    const int32_t current = Read(m_object.Get(), m_attributeId).GetInt();
    for (const auto& [id, value] : m_buttons)
        if (HWND button = dialog.FindControlHandle(id)) SendMessageA(button, BM_SETCHECK, value == current ? 1 : 0);
}

HRESULT SRepDlgRadioGroup::Save(SDlg& dialog, SRepDialogContext& context) {
    for (const auto& [id, value] : m_buttons) {
        HWND button = dialog.FindControlHandle(id);
        if (!button || !SendMessageA(button, BM_GETCHECK)) continue;
        SRepVariant typed;
        typed.SetInt(value);
        return SetIfChanged(context, m_object.Get(), m_attributeId, typed);
    }
    return S_OK;
}
