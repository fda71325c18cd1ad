#pragma once
// The "Header and Footer" dialog of a template: the page header and page footer texts, each in
// its own rich edit box on the tabs "Header" and "Footer", shown in the font of the template's
// header or footer paragraph. Each text has its check box that chooses between the template's
// default text and the user's own (the box of the current tab is shown); "&Insert" drops down the
// page variables to insert into the current tab's text; "&Format..." formats the two paragraphs.
// The caller runs it and, on OK, reads the two texts and the two choices.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepDialog.h"
#include "platform/ui/SButtonExCtrl.h"
#include "rpt/dialogs/SRptDlgHeaderFooterTabs.h"
#include "rpt/dialogs/SRptDlgTxtEditText.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptPara.h"

class SRptDlgHeaderFooter : public SRepDialog {
public:
    static constexpr uint32_t IDD = 228;
    static constexpr int32_t IDC_TABS = 1112;
    static constexpr int32_t IDC_HEADER_TEXT = 1113;
    static constexpr int32_t IDC_FOOTER_TEXT = 1114;
    static constexpr int32_t IDC_HEADER_USERDEF = 1159;
    static constexpr int32_t IDC_FOOTER_USERDEF = 1160;
    static constexpr int32_t IDC_FORMAT = 1006;
    static constexpr int32_t IDC_INSERT = 1007;
    // The commands of the Insert menu: date, time, page number, model name, model code, module.
    static constexpr uint32_t ID_FIRST_VARIABLE = 100;
    static constexpr uint32_t ID_LAST_VARIABLE = 200;
    static constexpr uint32_t kHelpContext = 10010;
    // The tabs, which are also the positions of their paragraphs in the template.
    static constexpr int32_t kHeaderTab = 0;
    static constexpr int32_t kFooterTab = 1;

    // Throws SECOMException E_POINTER for a missing template or a missing header or footer
    // paragraph.
    SRptDlgHeaderFooter(ISRptItem* item, const SString& header, const SString& footer, const SString& defaultHeader,
                        const SString& defaultFooter, int32_t headUserDef, int32_t footUserDef);
    ~SRptDlgHeaderFooter() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgHeaderFooter; }
    static const SClassInfo classSRptDlgHeaderFooter;
    S_DECLARE_MESSAGE_MAP()

public:
    // Runs the dialog from the library's template; 1 on OK.
    int32_t DoModal() override;

    SString GetHeaderText() const { return m_header.GetText(); }
    SString GetFooterText() const { return m_footer.GetText(); }
    int32_t GetHeadUserDef() const { return m_header.GetUserDef(); }
    int32_t GetFootUserDef() const { return m_footer.GetUserDef(); }

    virtual void OnFormat();
    virtual void OnHeadEditChange();
    virtual void OnFootEditChange();
    virtual void OnHeadUserDefined();
    virtual void OnFootUserDefined();
    virtual void OnTabKillActive(NMHDR* header, LRESULT* result);

    SRptDlgHeaderFooterTabs& GetTabs() { return m_tabs; }
    // The fonts the texts are shown in; null until set.
    const SFontOld* GetHeaderFont() const { return m_header.GetFont(); }
    const SFontOld* GetFooterFont() const { return m_footer.GetFont(); }

protected:
    int32_t OnInitDialog() override;
    void OnOK() override;
    void OnBtnDropDown(NMHDR* header, LRESULT* result);
    void OnInsertVariable(uint32_t id);

private:
    SComWrap<ISRptItem> m_item;
    SComWrap<ISRptPara> m_headerPara;
    SComWrap<ISRptPara> m_footerPara;
    SRptDlgTxtEditText m_header;
    SRptDlgTxtEditText m_footer;
    SRptDlgHeaderFooterTabs m_tabs;
    SButtonExCtrl m_insert;
};
