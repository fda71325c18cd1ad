#pragma once
// A repository dialog: a dialog whose controls are bound to attributes of repository objects
// (its control holder) and whose every change goes through its repository context. OK saves the
// controls and commits; Cancel rolls back everything the dialog changed, whatever changed it
// (bound controls, or handlers that set attributes through the context).
#include "platform/repo/SRepControlHolder.h"
#include "platform/repo/SRepDialogContext.h"
#include "platform/ui/SDlg.h"

class SRepDialog : public SDlg {
public:
    explicit SRepDialog(uint32_t templateId = 0, SWnd* parent = nullptr) : SDlg(templateId, parent) {}
    ~SRepDialog() override;

    const SClassInfo* GetClassInfo() const override { return &classSRepDialog; }
    static const SClassInfo classSRepDialog;

    // Shows the bound attributes in their controls.
    int32_t OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    SRepControlHolder& GetControlHolder() { return m_holder; }
    SRepDialogContext& GetContext() { return m_context; }
    // Binds a control to an attribute (an edit box for text and numbers, a check box for a
    // boolean).
    void AttachEditField(int32_t controlId, ISRepObject* object, int32_t attributeId);
    void AttachCheckBox(int32_t controlId, ISRepObject* object, int32_t attributeId);

private:
    SRepControlHolder m_holder;
    SRepDialogContext m_context;
};
