#pragma once
// The list of report templates: the template files of the templates folder that belong to a
// registered module, by name, filtered by template type (the module they belong to), with the
// folder and the selected template's file name. The user picks one to open (Properties, or a
// double click), asks for a new template, changes the folder, or closes the list. After the
// dialog the action and the file tell the caller what to do: 0 nothing (also when the chosen
// template's editor is open already and was brought forward), 1 create a new template, 2 open
// the file.
#include <cstdint>
#include <vector>

#include "platform/repo/SStringMap.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SDlg.h"
#include "platform/ui/SEditCtrl.h"
#include "platform/ui/SListBoxCtrl.h"
#include "platform/ui/SToolTipCtrl.h"
#include "rpt/dialogs/SRptDlgTemplatesListToolBar.h"

class SRptTemplatesManager;

class SRptDlgTemplatesList : public SDlg {
public:
    static constexpr uint32_t IDD = 234;
    static constexpr int32_t IDC_PATH = 1005;
    static constexpr int32_t IDC_TYPE = 1023;
    static constexpr int32_t IDC_TOOLBAR = 1134;
    static constexpr int32_t IDC_TEMPLATES = 1135;
    static constexpr int32_t IDC_FILE_NAME = 1136;
    static constexpr uint32_t ID_NEW = 6001;
    static constexpr uint32_t ID_PATH = 6002;
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
    // The module id of each entry of the type list, by index.
    const std::vector<SString>& GetTypeIds() const { return m_typeIds; }
    SRptDlgTemplatesListToolBar& GetToolBar() { return m_toolBar; }
    // The widest template name in the default user-interface font: how far the list scrolls.
    int32_t GetHorizontalExtent() const { return m_horizontalExtent; }

    // Opens the selected template: brings its open editor forward (action 0) or asks for the
    // file to be opened (action 2); then closes the list as OK. Without a template chosen the
    // list stays open.
    virtual void OnEditProperties();
    // Asks for a new template (action 1) and closes the list as OK.
    virtual void OnCreate();
    // Lets the user choose another templates folder and lists its templates.
    virtual void OnPath();
    // Lists the templates of the type now selected.
    virtual void OnTemplateTypeChanged();
    virtual void OnTemplateSelChange();
    virtual void OnHelp();
    virtual void OnClose();
    // Keys go to the window's default handling.
    void OnKeyDown(uint32_t key, uint32_t repeat, uint32_t flags);

protected:
    int32_t OnInitDialog() override;

private:
    void CreateToolBar();
    void FillTypes();
    void FillTemplates();
    void ShowTemplatesPath();
    // The selected type's module id; empty when none is selected.
    SString GetSelectedType();
    // The selected template's name, without the mark of an open one.
    SString GetSelectedName();

    SRptTemplatesManager* m_templatesManager;
    SStringMap m_templates;
    std::vector<SString> m_typeIds;  // by index of the type list
    SComboBoxCtrl m_types;
    SListBoxCtrl m_list;
    SEditCtrl m_path;
    SEditCtrl m_fileName;
    SRptDlgTemplatesListToolBar m_toolBar;
    SToolTipCtrl m_toolTips;
    int32_t m_horizontalExtent = 0;
    int32_t m_action = kNothing;
    SString m_file;
};
