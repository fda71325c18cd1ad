#pragma once
// The list of report templates: the template files of the templates folder that belong to a
// registered module, by name, with the folder and the selected template's file name. The user
// picks one to open (Properties, or a double click), asks for a new template, or closes the
// list. After the dialog the action and the file tell the caller what to do: 0 nothing (also
// when the chosen template's editor is open already), 1 create a new template, 2 open the file.
// The filter by template type, the change of folder and the toolbar come with the full dialog.
#include <cstdint>

#include "platform/repo/SStringMap.h"
#include "platform/ui/SDlg.h"
#include "platform/ui/SEditCtrl.h"
#include "platform/ui/SListBoxCtrl.h"

class SRptTemplatesManager;

class SRptDlgTemplatesList : public SDlg {
public:
    static constexpr uint32_t IDD = 234;
    static constexpr int32_t IDC_PATH = 1005;
    static constexpr int32_t IDC_FILE_NAME = 1136;
    static constexpr int32_t IDC_TEMPLATES = 1135;
    static constexpr uint32_t ID_NEW = 6001;
    static constexpr uint32_t ID_PROPERTIES = 6003;
    static constexpr uint32_t kHelpContext = 10012;

    enum Action : int32_t { kNothing = 0, kCreate = 1, kOpen = 2 };

    // Owned by the host's main window; lists the templates of every type at once.
    SRptDlgTemplatesList();

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTemplatesList; }
    static const SClassInfo classSRptDlgTemplatesList;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t GetAction() const { return m_action; }
    // The file of the template to open; empty for any other action.
    SString GetFileName() const { return m_file; }
    const SStringMap& GetTemplates() const { return m_templates; }

    // Opens the selected template: brings its open editor forward (action 0) or asks for the
    // file to be opened (action 2); then closes the list as OK.
    virtual void OnEditProperties();
    // Asks for a new template (action 1) and closes the list as OK.
    virtual void OnCreate();
    virtual void OnTemplateSelChange();
    virtual void OnHelp();

protected:
    int32_t OnInitDialog() override;

private:
    // The selected template's name, without the mark of an open one.
    SString GetSelectedName();
    void FillTemplates();

    SRptTemplatesManager* m_templatesManager;
    SStringMap m_templates;
    SEditCtrl m_path;
    SEditCtrl m_fileName;
    SListBoxCtrl m_list;
    int32_t m_action = kNothing;
    SString m_file;
};
