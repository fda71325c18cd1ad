#pragma once
// The "Report Template Type" dialog of a new report template: the user names the template, picks
// its language and its type, that is, the registered module whose items it reports on. The
// module list shows the modules' labels (sorted); hidden modules and the combined module "ALL"
// are not offered. The languages, and the language object a chosen name stands for, are the
// first registered module's (its client's).
#include <cstdint>
#include <vector>

#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SDlg.h"
#include "platform/ui/SEditCtrl.h"
#include "platform/ui/SListBoxCtrl.h"

struct ISRepObject;

class SRptTypeDlg : public SDlg {
public:
    static constexpr uint32_t IDD = 222;
    static constexpr int32_t IDC_NAME = 1005;
    static constexpr int32_t IDC_TYPE = 1079;
    static constexpr int32_t IDC_LANGUAGE = 1080;
    static constexpr uint32_t kHelpContext = 10015;

    explicit SRptTypeDlg(uint32_t templateId = IDD, SWnd* parent = nullptr);

    const SClassInfo* GetClassInfo() const override { return &classSRptTypeDlg; }
    static const SClassInfo classSRptTypeDlg;
    S_DECLARE_MESSAGE_MAP()

public:
    // After OK: the chosen module's id (empty when no module was offered) and the name typed.
    SString GetType() const { return m_type; }
    SString GetName() const { return m_name; }
    const SString& GetLanguageName() const { return m_language; }
    // The language object of the chosen language, asked of the first registered module's
    // client, with the caller's reference; null without a client or when it knows no such
    // language.
    ISRepObject* GetLanguage() const;

    virtual void OnHelp();
    virtual void OnLanguageChanged();

protected:
    int32_t OnInitDialog() override;
    // Keeps the name and the chosen module; an empty name leaves the dialog open.
    void OnOK() override;

private:
    // false when no module is registered: the list stays empty.
    bool FillTypes();

    std::vector<SString> m_moduleIds;  // by index of the type list
    SString m_type;
    SString m_name;
    SString m_language;
    SComboBoxCtrl m_languages;
    SListBoxCtrl m_types;
    SEditCtrl m_nameEdit;
};
