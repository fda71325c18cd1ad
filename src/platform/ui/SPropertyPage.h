#pragma once
// A page of a property sheet: a dialog made inside the sheet when it is first turned to. A page
// that refuses to be left (OnKillActive answers 0) stays the active page.
#include "platform/ui/SDlg.h"

class SPropertySheet;

class SPropertyPage : public SDlg {
public:
    explicit SPropertyPage(uint32_t templateId = 0) : SDlg(templateId) {}

    const SClassInfo* GetClassInfo() const override { return &classSPropertyPage; }
    static const SClassInfo classSPropertyPage;

    void Construct(uint32_t templateId) { SetTemplateId(templateId); }
    // 1: the page may be shown.
    virtual int32_t OnSetActive() { return 1; }
    // 1 when the page may be left: its values went back into its members.
    virtual int32_t OnKillActive() { return UpdateData(1); }
    // The sheet's OK and Cancel reach every page that was made.
    void OnOK() override {}
    void OnCancel() override {}
    void SetModified(int32_t changed = 1) { m_modified = changed != 0; }
    bool IsModified() const { return m_modified; }
    SPropertySheet* GetSheet() const { return m_sheet; }

private:
    friend class SPropertySheet;
    // Makes the page's window inside the sheet; 0 on failure.
    int32_t CreatePage(SWnd* sheet);

    SPropertySheet* m_sheet = nullptr;
    bool m_modified = false;
};
