#pragma once
// The "Editor" dialog in which the user edits the text of one report item, shown in the font of
// the item's first paragraph. "&Insert" drops down the variables to insert at the caret (the date,
// the time and the fields that the item's module registered); "&User-defined" lets an item with a
// default text switch between the default and a text of the user's own; "&Format..." formats the
// item. The caller runs it and, on OK, reads GetText and GetUserDef.
#include <cstdint>
#include <map>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepDialog.h"
#include "platform/repo/SRepDlgSizeHelper.h"
#include "platform/ui/SButtonExCtrl.h"
#include "platform/ui/SLayoutMap.h"
#include "rpt/dialogs/SRptDlgTxtEditText.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptPara.h"

class SMenu;
struct ISRptField;

class SRptDlgTxtEdit : public SRepDialog, public SRepDlgSizeHelper {
public:
    static constexpr uint32_t IDD = 210;
    static constexpr int32_t IDC_FRAME = 1156;
    static constexpr int32_t IDC_USERDEF = 13005;
    static constexpr int32_t IDC_TEXT = 1005;
    static constexpr int32_t IDC_FORMAT = 1006;
    static constexpr int32_t IDC_INSERT = 1007;
    // The commands of the Insert menu's entries.
    static constexpr uint32_t ID_FIRST_VARIABLE = 100;
    static constexpr uint32_t ID_LAST_VARIABLE = 200;
    static constexpr uint32_t kHelpWithVariables = 10024;
    static constexpr uint32_t kHelpWithoutVariables = 10014;

    // Throws SECOMException E_POINTER for a missing item or a paragraph the item does not have.
    SRptDlgTxtEdit(ISRptItem* item, const SString& text, int32_t variablesAllowed, int32_t userDefinedChoice,
                   const SString& defaultText, int32_t userDefined);
    ~SRptDlgTxtEdit() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTxtEdit; }
    static const SClassInfo classSRptDlgTxtEdit;
    S_DECLARE_MESSAGE_MAP()

public:
    // Runs the dialog from the library's template; 1 on OK.
    int32_t DoModal() override;

    SString GetText() const { return m_text.GetText(); }
    int32_t GetUserDef() const { return m_text.GetUserDef(); }

    virtual void OnFormat();
    virtual void OnUserDefined();
    virtual void OnEditChange();
    const SLayoutMap* GetLayoutMap() const override { return &m_layoutMap; }

    // The font the text is shown in; null before the dialog opened.
    const SFontOld* GetTextFont() const { return m_text.GetFont(); }
    // What each entry of the Insert menu last shown inserts, by command.
    const std::map<uint32_t, SString>& GetVariables() const { return m_variables; }

protected:
    int32_t OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(uint32_t type, int32_t cx, int32_t cy);
    void OnBtnDropDown(NMHDR* header, LRESULT* result);
    void OnInsertVariable(uint32_t id);

private:
    // The entries of the header and footer fields, from the first command on; the next command.
    uint32_t AddHeaderFooterFields(SMenu& menu, uint32_t id);
    // The entries of the fields of the item's module, as long as commands are left.
    void AddModuleFields(SMenu& menu, uint32_t id);
    // Whether the item offers the field: a module's item only when its procedures say that the
    // field is present for it, any other item always.
    bool OffersField(ISRptField* field);
    void AddVariable(SMenu& menu, uint32_t id, const SString& label, const SString& inserted);

    SComWrap<ISRptItem> m_item;
    SComWrap<ISRptPara> m_para;
    SRptDlgTxtEditText m_text;
    int32_t m_variablesAllowed;
    int32_t m_userDefinedChoice;
    SButtonExCtrl m_insert;
    std::map<uint32_t, SString> m_variables;
    SLayoutMap m_layoutMap;
    int32_t m_initialised = 0;
};
