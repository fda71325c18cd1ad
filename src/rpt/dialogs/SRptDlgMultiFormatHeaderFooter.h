#pragma once
// The format sheet of a template's header and footer: the list names the template's header
// paragraph and footer paragraph, in that order.
#include "rpt/dialogs/SRptDlgMultiFormat.h"

class SRptDlgMultiFormatHeaderFooter : public SRptDlgMultiFormat {
public:
    SRptDlgMultiFormatHeaderFooter(ISRepObject* reportTemplate, int32_t initialSelection, uint32_t dialogId = IDD_FORMAT_ITEMS)
        : SRptDlgMultiFormat(reportTemplate, initialSelection, dialogId) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgMultiFormatHeaderFooter; }
    static const SClassInfo classSRptDlgMultiFormatHeaderFooter;

    // A template without both paragraphs throws E_POINTER.
    int32_t AddAvaibleParagraphs() override;
};
