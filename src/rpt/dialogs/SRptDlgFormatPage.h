#pragma once
// A page of the format sheets: a property page made inside an SRptDlgMultiPages sheet, which
// edits the paragraphs selected in the sheet (loading them when it becomes active and writing
// them back when it is left), and which shows its own help context.
#include <cstdint>

#include "platform/ui/SPropertyPage.h"

class SRptDlgMultiPages;

class SRptDlgFormatPage : public SPropertyPage {
public:
    SRptDlgFormatPage(uint32_t templateId, uint32_t helpContext) : SPropertyPage(templateId), m_helpContext(helpContext) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgFormatPage; }
    static const SClassInfo classSRptDlgFormatPage;

    int32_t OnInitDialog() override;
    // The sheet whose paragraphs the page edits: the parent window of the page's own; null
    // before the page is made or outside such a sheet.
    SRptDlgMultiPages* GetFormatSheet() const;

private:
    uint32_t m_helpContext;
};
