// The RTF device's page-level content: each section's header and footer, the field words of
// their fields, and the table-of-contents field.
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTblCts.h"

namespace {

// The header/footer field ids and the field words that stand for them.
constexpr int32_t kFieldDate = 1;
constexpr int32_t kFieldTime = 2;
constexpr int32_t kFieldPage = 3;

}  // namespace

HRESULT SRptRtfDevice::FormatFieldText(int32_t nFieldNumber, SString* pText) {
    const char* word = nullptr;
    switch (nFieldNumber) {
        case kFieldDate: word = "\\chdate "; break;
        case kFieldTime: word = "\\chtime "; break;
        case kFieldPage: word = "\\chpgn "; break;
        default: return S_FALSE;
    }
    if (!pText) return E_POINTER;
    *pText = word;
    return S_OK;
}

HRESULT SRptRtfDevice::WriteHeaderFooter(ISRptTemplate* pTemplate) {
    if (!pTemplate) return E_INVALIDARG;
    const struct {
        const char* group;
        int32_t para;
        SString text;
    } parts[] = {
        {"{\\header ", 0, pTemplate->GetExpHeader()},
        {"{\\footer ", 1, pTemplate->GetExpFooter()},
    };
    for (const auto& part : parts) {
        SComWrap<ISRptPara> para = GetPara(pTemplate, part.para);
        WriteText(part.group, RTFTEXT_RAW);
        WriteParagraph(para.Get(), part.text, RTFTEXT_FIELD);
        WriteText("}", RTFTEXT_RAW);
    }
    return S_OK;
}

HRESULT SRptRtfDevice::WriteTocField(ISRptTblCts* pToc, SRptGenerationNode*) {
    if (!pToc) return E_INVALIDARG;
    SComWrap<ISRptPara> titlePara = GetPara(pToc, 0);
    SComWrap<ISRptPara> fieldPara = GetPara(pToc, 1);
    WriteParagraph(titlePara.Get(), pToc->GetDispTitle(), RTFTEXT_ITEM);

    ParaText(fieldPara.Get(), RPTPARATEXT_PARA_BEGIN);
    ParaText(fieldPara.Get(), RPTPARATEXT_CHARS_BEGIN);
    WriteText("{\\field{\\*\\fldinst {", RTFTEXT_RAW);
    // The field instruction repeats the character properties.
    ParaText(fieldPara.Get(), RPTPARATEXT_CHARS_BEGIN);
    WriteText(" TOC \\\\f }}{\\*\\fldrslt {\\b ", RTFTEXT_RAW);
    WriteText("The 'Table of contents' field needs to be updated!", RTFTEXT_ITEM);
    WriteText("}}}", RTFTEXT_RAW);
    ParaText(fieldPara.Get(), RPTPARATEXT_CHARS_END);
    ParaText(fieldPara.Get(), RPTPARATEXT_PARA_END);
    WriteText("\\page ", RTFTEXT_RAW);
    return S_OK;
}
