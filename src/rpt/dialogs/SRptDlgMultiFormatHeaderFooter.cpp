#include "rpt/dialogs/SRptDlgMultiFormatHeaderFooter.h"

#include "platform/com/SComThrow.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptItem.h"

const SClassInfo SRptDlgMultiFormatHeaderFooter::classSRptDlgMultiFormatHeaderFooter = {
    "SRptDlgMultiFormatHeaderFooter", &SRptDlgMultiFormat::classSRptDlgMultiFormat};

int32_t SRptDlgMultiFormatHeaderFooter::AddAvaibleParagraphs() {
    SComWrap<ISRptItem> reportTemplate;
    reportTemplate = static_cast<IUnknown*>(GetCurrentObject());
    SRepClassColPtr paragraphs = reportTemplate->Paragraphs();
    BeginObjectParas();
    // The header paragraph, then the footer paragraph.
    for (int32_t position = 0; position < 2; ++position) {
        SComWrap<ISRptPara> para;
        para = static_cast<IUnknown*>(paragraphs.Item(position).Get());
        if (!para) SComThrow(E_POINTER);
        AddObjectPara(para.Get(), true);
    }
    return 1;
}
