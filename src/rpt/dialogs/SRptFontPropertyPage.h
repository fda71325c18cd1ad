#pragma once
// The "Font" page of the format sheets, on the class library's font page.
#include "platform/ui/SFontPropertyPage.h"

class SRptDlgMultiPages;

class SRptFontPropertyPage : public SFontPropertyPage {
public:
    static constexpr uint32_t IDD = 211;

    SRptFontPropertyPage() : SFontPropertyPage(IDD) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptFontPropertyPage; }
    static const SClassInfo classSRptFontPropertyPage;

    int32_t OnInitDialog() override;
    // The sheet whose paragraphs the page edits; null outside such a sheet.
    SRptDlgMultiPages* GetFormatSheet() const;
};
