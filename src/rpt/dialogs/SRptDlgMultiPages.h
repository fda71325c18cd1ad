#pragma once
// The "Format" sheet: on the left the list "Available items:" naming the paragraphs of the objects
// being formatted, on the right the format pages (font, paragraph, border, line and page breaks,
// tabs). The paragraphs selected in the list are the ones the pages show and change: a page loads
// them when it becomes active and writes them back when it is left, and the list asks the active
// page to be left before its selection changes. The sheet remembers the tab that was active at the
// last OK (value "ActivePage" of its preference key) and sends Help to the active page.
//
// This class holds what every format sheet shares; the variants list the paragraphs
// (AddAvaibleParagraphs) and follow the list's selection (OnItemsSelChanged).
#include <cstdint>
#include <vector>

#include "platform/base/SExceptionResult.h"
#include "platform/com/SComTable.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepDlgSizeHelper.h"
#include "platform/ui/SPropertySheet.h"
#include "rpt/dialogs/SRptDlgBorderPage.h"
#include "rpt/dialogs/SRptDlgListBoxCtrl.h"
#include "rpt/dialogs/SRptDlgListBoxOwner.h"
#include "rpt/dialogs/SRptDlgPageBreakPage.h"
#include "rpt/dialogs/SRptDlgParagraphPage.h"
#include "rpt/dialogs/SRptDlgTabPage.h"
#include "rpt/dialogs/SRptDlgTextPage.h"
#include "rpt/dialogs/SRptFontPropertyPage.h"
#include "varod9/ISRptPara.h"

class SRptDlgMultiPages : public SPropertySheet, public SRepDlgSizeHelper, public SRptDlgListBoxOwner {
public:
    // The sheet's templates: the list shown, the list hidden (one paragraph needs no choice), the
    // list with "Show levels to:".
    static constexpr uint32_t IDD_FORMAT_ITEMS = 213;
    static constexpr uint32_t IDD_FORMAT = 229;
    static constexpr uint32_t IDD_FORMAT_LEVELS = 237;
    static constexpr int32_t IDC_AVAILABLE_ITEMS = 1082;
    static constexpr uint32_t IDS_FORMAT_TITLE = 5107;
    // The preference key below the application's root, and its value.
    static constexpr const char* kPrefPath = "DialogPreferences\\PropertiesOfRptFormat";
    static constexpr const char* kActivePageValue = "ActivePage";

    ~SRptDlgMultiPages() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgMultiPages; }
    static const SClassInfo classSRptDlgMultiPages;
    S_DECLARE_MESSAGE_MAP()

public:
    // The selection protocol: 1 lets the list's selection change; then the change is followed.
    int32_t OnItemsSelChanging() override { return 1; }
    void OnItemsSelChanged() override {}
    // Lists the paragraphs of the objects; 1.
    virtual int32_t AddAvaibleParagraphs() { return 1; }

    // The sheet and its pages come from the library's resources, whoever runs it.
    int32_t DoModal() override;
    // Stores the active tab, then closes the sheet as the property sheet does.
    void OnOK() override;
    // Shows the active page's help.
    virtual void OnHelp();

    void RestorePreferences(SWnd* wnd, const SString& key) override;
    SString GetPrefRegPath(SWnd* wnd) override;

    // What the pages read: the paragraphs selected in the list (each with the sheet's
    // reference), the first of them, and the first object being formatted.
    const SComTable<ISRptPara>& GetSelectedParas() const { return m_selectedParas; }
    ISRptPara* GetFirstSelectedPara() const { return m_selectedParas.IsEmpty() ? nullptr : m_selectedParas.GetAt(0); }
    ISRepObject* GetCurrentObject() const { return m_currentObject.Get(); }
    const SComTable<ISRepObject>& GetObjects() const { return m_objects; }
    const SComTable<ISRptPara>& GetAllParas() const { return m_allParas; }
    SRptDlgListBoxCtrl& GetListBox() { return m_listBox; }
    int32_t GetInitialSelection() const { return m_initialSelection; }

    SRptFontPropertyPage& GetFontPage() { return m_fontPage; }
    SRptDlgParagraphPage& GetParagraphPage() { return m_paragraphPage; }
    SRptDlgTextPage& GetTextPage() { return m_textPage; }

    // Builds a sheet of kind `Sheet` from `args`, runs it modally and destroys it: S_OK with the
    // button that ended it in `button` (may be null), or the code of the failure that stopped it
    // (an object that has no paragraphs, a table of contents that is none ...). This is how the
    // items' Format commands open their sheets.
    template <class Sheet, class... Args>
    static HRESULT RunModal(int32_t* button, const Args&... args) {
        return SExceptionResult::Guard([&]() -> HRESULT {
            Sheet sheet(args...);
            const int32_t ended = sheet.DoModal();
            if (button) *button = ended;
            return S_OK;
        });
    }

protected:
    // Over a copy of the caller's table (a reference on each object); the first object is the
    // current one.
    SRptDlgMultiPages(const SComTable<ISRepObject>& objects, int32_t initialSelection, uint32_t dialogId);
    // Over one object (none: a sheet with nothing to format).
    SRptDlgMultiPages(ISRepObject* object, int32_t initialSelection, uint32_t dialogId);

    // Empties the selected paragraphs.
    void ClearSelectedParas() { m_selectedParas.RemoveAll(); }
    void AddSelectedPara(ISRptPara* para) { m_selectedParas.Add(para); }
    void AddAvailablePara(ISRptPara* para) { m_allParas.Add(para); }
    // The active page's OnSetActive, when a page is active.
    void RefreshActivePage();

    SRptDlgListBoxCtrl m_listBox;

private:
    void ConstructSheet(uint32_t dialogId);

    SComTable<ISRptPara> m_selectedParas;
    SComTable<ISRptPara> m_allParas;
    SComWrap<ISRepObject> m_currentObject;
    SComTable<ISRepObject> m_objects;
    SRptFontPropertyPage m_fontPage;
    SRptDlgParagraphPage m_paragraphPage;
    SRptDlgBorderPage m_borderPage;
    SRptDlgPageBreakPage m_pageBreakPage;
    SRptDlgTabPage m_tabPage;
    SRptDlgTextPage m_textPage;
    int32_t m_initialSelection = 0;
};
