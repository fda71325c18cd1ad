#pragma once
// A dialog: a window made from a dialog template (its controls are child windows of the
// template's classes), with the value exchange between controls and members. A modal run puts
// the dialog to the interaction script: the script's answer sets the controls' values as a user
// would (the dialog hears their notifications), then presses its button; a dialog that stays
// open after that is cancelled. A modeless dialog is answered the same way but its button is
// pressed only when the program pumps messages.
#include <cstdint>

#include "platform/ui/SDataExchange.h"
#include "platform/ui/SDlgTemplate.h"
#include "platform/ui/SWnd.h"
#include "varod9/SInteraction.h"

class SDlg : public SWnd {
public:
    explicit SDlg(uint32_t templateId = 0, SWnd* parent = nullptr) : m_templateId(templateId), m_parentWnd(parent) {}

    const SClassInfo* GetClassInfo() const override { return &classSDlg; }
    static const SClassInfo classSDlg;
    S_DECLARE_MESSAGE_MAP()

public:
    // The button that ended the dialog (IDOK, IDCANCEL or what EndDialog was given); -1 when the
    // window could not be made.
    virtual int32_t DoModal();
    // A modeless dialog, shown until it is destroyed. 1 when made.
    using SWnd::Create;
    int32_t Create(uint32_t templateId, SWnd* parent = nullptr);
    // Presses the button that the script chose for a modeless dialog, once.
    void PumpMessages();

    virtual int32_t OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(SDataExchange*) {}
    // 1 when every value went across; 0 (the members unchanged past the failing one) otherwise.
    int32_t UpdateData(int32_t saveAndValidate = 1);
    void EndDialog(int32_t result);
    bool IsEnded() const { return m_ended; }
    int32_t GetResult() const { return m_result; }
    // Makes `control` the object of the dialog's control `id`; 1 when there is such a control.
    int32_t AttachDlgItem(int32_t id, SWnd& control);
    // The dialog's control `id` among all its descendants.
    SWnd* FindControl(int32_t id) const;
    HWND FindControlHandle(int32_t id) const;
    // A user's click of a button of the dialog; without such a control the command is sent.
    void PressButton(int32_t id);
    uint32_t GetTemplateId() const { return m_templateId; }
    void SetTemplateId(uint32_t id) { m_templateId = id; }
    const SDlgTemplate& GetTemplate() const { return m_template; }
    SString GetCaption() const { return GetWindowText(); }

protected:
    // Makes the window and its controls from the template, then WM_INITDIALOG; 0 on failure.
    virtual int32_t CreateDialogWindow(SWnd* parent, bool modeless);
    // Sets the answer's values on the controls, as a user would.
    virtual void ApplyAnswer(const SAnswer& answer);
    virtual SPrompt MakePrompt(bool modeless) const;
    // Creates the template's controls as children of `parent`.
    static void CreateControls(SWnd& parent, const SDlgTemplate& dialogTemplate);

    uint32_t m_templateId;
    SWnd* m_parentWnd;
    SDlgTemplate m_template;

private:
    bool m_ended = false;
    int32_t m_result = IDCANCEL;
    int32_t m_pendingButton = 0;
};
