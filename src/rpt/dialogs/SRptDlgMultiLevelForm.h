#pragma once
// The format sheet of a table of contents: besides the paragraphs, "Show levels to:" chooses how
// many levels the table of contents shows. The list keeps the title and the levels shown; OK puts
// the chosen count into every table of contents formatted, once the active page has accepted.
#include <cstdint>

#include "platform/ui/SComboBoxCtrl.h"
#include "rpt/dialogs/SRptDlgMultiFormat.h"

class SRptDlgMultiLevelForm : public SRptDlgMultiFormat {
public:
    static constexpr int32_t IDC_SHOW_LEVELS = 1152;

    SRptDlgMultiLevelForm(const SComTable<ISRepObject>& objects, int32_t initialSelection);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgMultiLevelForm; }
    static const SClassInfo classSRptDlgMultiLevelForm;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t OnInitDialog() override;
    void OnOK() override;
    int32_t AddAvaibleParagraphs() override;
    virtual void OnLevelSelChange();

    SComboBoxCtrl& GetLevelBox() { return m_levelBox; }

private:
    // NbParagraphs of the current object (E_POINTER when it is no table of contents).
    int32_t GetCurrentLevels() const;

    SComboBoxCtrl m_levelBox;
    int32_t m_levelCount = 0;
};
