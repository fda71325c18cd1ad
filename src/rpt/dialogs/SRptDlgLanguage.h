#pragma once
// The "Select a Language" dialog that the host's modules may open: the languages that the first
// registered module offers, of which the user picks one. After OK the chosen language's name is
// kept (empty when none was chosen).
#include <cstdint>

#include "platform/repo/SRepDialog.h"
#include "platform/ui/SListBoxCtrl.h"

struct ISRepObject;

class SRptDlgLanguage : public SRepDialog {
public:
    static constexpr uint32_t IDD = 206;
    static constexpr int32_t IDC_LANGUAGES = 1004;

    // The object is not needed to list the languages, and the dialog keeps nothing of it.
    explicit SRptDlgLanguage(ISRepObject* object);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgLanguage; }
    static const SClassInfo classSRptDlgLanguage;

    const SString& GetLanguageName() const { return m_language; }

protected:
    // The dialog's template is the library's, whoever runs it.
    int32_t CreateDialogWindow(SWnd* parent, bool modeless) override;
    int32_t OnInitDialog() override;
    void OnOK() override;

private:
    // The first module's languages into the list; none without a module.
    void FillLanguages();

    SListBoxCtrl m_languages;
    SString m_language;
};
