// The RTF device's body: the dispatch of generation nodes by their item's class, and the writers
// of the page break, the title page and the text items.
#include "platform/base/SRtfDocument.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/helpers/SRptParaAt.h"
#include "rpt/devices/helpers/SRptTextFileReader.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptPageBreak.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

// The number of empty paragraphs above the report's title, and of plain ones below it.
constexpr int32_t kLinesAboveTitle = 9;
constexpr int32_t kLinesBelowTitle = 3;
}  // namespace

SComWrap<ISRptPara> SRptRtfDevice::GetPara(IUnknown* pContainer, int32_t nPos) {
    return SRptParaAt(pContainer, nPos, true);
}

void SRptRtfDevice::WriteParagraph(ISRptPara* pPara, const SString& sText, uint32_t nMode) {
    ParaText(pPara, RPTPARATEXT_PARA_BEGIN);
    ParaText(pPara, RPTPARATEXT_CHARS_BEGIN);
    WriteText(sText, nMode);
    ParaText(pPara, RPTPARATEXT_CHARS_END);
    ParaText(pPara, RPTPARATEXT_PARA_END);
}

void SRptRtfDevice::WritePageBreak() {
    WriteLine();
    WriteText("\\page", RTFTEXT_RAW);
    WriteLine();
}

HRESULT SRptRtfDevice::WriteNode(SRptGenerationNode* pNode) {
    if (!pNode) return E_INVALIDARG;
    IUnknown* item = pNode->GetItem();
    // A node without an item is the page break made for a paragraph's "page break before".
    if (!item) {
        m_nPrevBorder = 0;
        WritePageBreak();
        return S_OK;
    }
    SComWrap<ISRepObject> object;
    object = item;
    if (!object) SComThrow(E_POINTER);
    const GUID clsid = object->GetClassID();

    if (clsid == CLSID_SRptPageBreak) {
        m_nPrevBorder = 0;
        SComWrap<ISRptPageBreak> pageBreak;
        pageBreak = item;
        if (!pageBreak) return E_INVALIDARG;
        WritePageBreak();
        return S_OK;
    }
    if (clsid == CLSID_SRptText)
        return WriteTextItem(QueryKind<ISRptText>(item).Get(), pNode);
    if (clsid == CLSID_SRptTitle)
        return WriteTextItem(QueryKind<ISRptTitle>(item).Get(), pNode);
    if (clsid == CLSID_SRptTextFile)
        return WriteTextFile(QueryKind<ISRptTextFile>(item).Get(), pNode);
    if (clsid == CLSID_SRptGraphicFile)
        return WriteGraphicFile(QueryKind<ISRptGraphicFile>(item).Get(), pNode);
    if (clsid == CLSID_SRptGrpText)
        return WriteGroupText(QueryKind<ISRptGrpText>(item).Get(), pNode);
    if (clsid == CLSID_SRptGrpTitle)
        return WriteGroupTitle(QueryKind<ISRptGrpTitle>(item).Get(), pNode);
    if (clsid == CLSID_SRptFolder)
        return WriteFolder(QueryKind<ISRptFolder>(item).Get(), pNode);
    if (clsid == CLSID_SRptList || clsid == CLSID_SRptForm) {
        // The typed interface first, then the table face of it.
        SComWrap<ISRptTable> table;
        if (clsid == CLSID_SRptList) {
            SComWrap<ISRptList> list;
            list = item;
            table = list.Get();
        } else {
            SComWrap<ISRptForm> form;
            form = item;
            table = form.Get();
        }
        return WriteTable(table.Get(), pNode);
    }
    if (clsid == CLSID_SRptUserGraphic)
        return WriteUserGraphic(QueryKind<ISRptUserGraphic>(item).Get(), pNode);
    if (SRepIsKindOf(object.Get(), CLSID_SRptTemplate))
        return WriteTitlePage(QueryKind<ISRptTemplate>(item).Get(), pNode);
    if (clsid == CLSID_SRptTblCts)
        return WriteTocField(QueryKind<ISRptTblCts>(item).Get(), pNode);
    return E_UNEXPECTED;
}

HRESULT SRptRtfDevice::WriteTitlePage(ISRptTemplate* pTemplate, SRptGenerationNode*) {
    if (!pTemplate) return E_INVALIDARG;
    SComWrap<ISRptReport> report;
    report = pTemplate->GetParentReport();
    if (!report) SComThrow(E_POINTER);
    int32_t position = 0;
    const HRESULT hr = report->GetPosOfTemplate(pTemplate, &position);
    if (FAILED(hr)) return hr;
    if (position != 0 || !report->GetHasFirstPage()) return S_OK;

    SComWrap<ISRptPara> titlePara = GetPara(report.Get(), 0);
    for (int32_t i = 0; i < kLinesAboveTitle; ++i) WriteText("\\par\r\n", RTFTEXT_RAW);
    WriteParagraph(titlePara.Get(), report->GetFirstPageTitle(), RTFTEXT_ITEM);
    for (int32_t i = 0; i < kLinesBelowTitle; ++i) WriteText("\\pard\\plain\\par\r\n", RTFTEXT_RAW);

    SComWrap<ISRptPara> fieldsPara = GetPara(report.Get(), 1);
    if (report->GetHasFirstPageAuthor()) WriteParagraph(fieldsPara.Get(), report->GetFirstPageAuthor(), RTFTEXT_ITEM);
    if (report->GetHasFirstPageDate()) {
        // The date may hold header/footer fields: they become live field words.
        const SString date = report->GetFirstPageDate();
        SComWrap<ISRptTemplate> first;
        report->GetTemplateAtPos(0, &first);
        if (first) {
            SString expanded;
            int32_t needExpand = 0;
            ExpandHeaderFooter(first->GetModuleID(), date, expanded, needExpand);
            WriteParagraph(fieldsPara.Get(), expanded, RTFTEXT_FIELD);
        } else {
            WriteParagraph(fieldsPara.Get(), date, RTFTEXT_ITEM);
        }
    }
    if (report->GetHasFirstPageVersion()) WriteParagraph(fieldsPara.Get(), report->GetFirstPageVersion(), RTFTEXT_ITEM);
    if (report->GetHasFirstPageSummary()) WriteParagraph(fieldsPara.Get(), report->GetFirstPageSummary(), RTFTEXT_ITEM);
    WritePageBreak();
    return S_OK;
}

void SRptRtfDevice::WriteContentsEntry(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode) {
    if (!pItem || !pNode || !pItem->GetTOCEntry()) return;
    SRptGenerationTree* tree = pNode->GetTree();
    const int32_t level = pNode->GetLevel();
    if (tree && level > tree->GetMaxContentsLevel() + 1) return;
    SString entry;
    entry.Format(
        "{\\pard\\plain \\sb200\\sa60\\nowidctlpar\\adjustright \\v\\f1\\fs20 {\\tc {\\f1\\cgrid0 %s\\tcl%ld}}}",
        SRptRtfEscaper::Escape(sText.view(), RTFTEXT_ENTRY).c_str(), level);
    WriteText(entry, RTFTEXT_RAW);
}

HRESULT SRptRtfDevice::WriteItemParagraph(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode) {
    SComWrap<ISRptPara> para = GetPara(pItem, 0);
    ParaText(para.Get(), RPTPARATEXT_PARA_BEGIN);
    WriteContentsEntry(pItem, sText, pNode);
    ParaText(para.Get(), RPTPARATEXT_CHARS_BEGIN);
    WriteText(sText, RTFTEXT_ITEM);
    ParaText(para.Get(), RPTPARATEXT_CHARS_END);
    ParaText(para.Get(), RPTPARATEXT_PARA_END);
    return S_OK;
}

HRESULT SRptRtfDevice::WriteTextItem(ISRptText* pText, SRptGenerationNode* pNode) {
    if (!pText) return E_INVALIDARG;
    return WriteItemParagraph(pText, pText->GetText(), pNode);
}

HRESULT SRptRtfDevice::WriteTextItem(ISRptTitle* pTitle, SRptGenerationNode* pNode) {
    if (!pTitle) return E_INVALIDARG;
    return WriteItemParagraph(pTitle, pTitle->GetText(), pNode);
}

HRESULT SRptRtfDevice::WriteHeading(ISRptCustom* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    SRptOutputHelper* helper = pNode->GetOutputHelper();
    if (!helper) return S_OK;
    SComWrap<ISRptPara> para = GetPara(pItem, 0);
    const SString text = helper->GetFirstText();
    // A heading's contents entry follows its character properties.
    ParaText(para.Get(), RPTPARATEXT_PARA_BEGIN);
    ParaText(para.Get(), RPTPARATEXT_CHARS_BEGIN);
    WriteContentsEntry(pItem, text, pNode);
    WriteText(text, RTFTEXT_ITEM);
    ParaText(para.Get(), RPTPARATEXT_CHARS_END);
    ParaText(para.Get(), RPTPARATEXT_PARA_END);
    return S_OK;
}

HRESULT SRptRtfDevice::WriteGroupTitle(ISRptGrpTitle* pItem, SRptGenerationNode* pNode) {
    return WriteHeading(pItem, pNode);
}

HRESULT SRptRtfDevice::WriteFolder(ISRptFolder* pItem, SRptGenerationNode* pNode) {
    return WriteHeading(pItem, pNode);
}

HRESULT SRptRtfDevice::WriteGroupText(ISRptGrpText* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    SComWrap<ISRptCustom> custom;
    custom = pItem;
    const HRESULT hr = WriteHeading(custom.Get(), pNode);
    if (hr < 0) return hr;
    SRptOutputHelper* helper = pNode->GetOutputHelper();
    if (!helper) return S_OK;
    SComWrap<ISRptPara> para = GetPara(pItem, 1);
    SString body = helper->GetSecondText();
    if (SRtfDocument::IsRtf(body.view())) {
        MergeRtf(body);
        // The body's own paragraph resets would undo the group text's format: each brings it
        // back, so that a reset still ends the table or list that a paragraph before it is in.
        // Only the whole word counts, so that "\\pardeftab720" and the like keep their meaning.
        SRtfDocument(body).ReplaceControlWord("pard", "\\pard" + ParaFormatWords(para.Get()));
        ParaText(para.Get(), RPTPARATEXT_PARA_BEGIN);
        ParaText(para.Get(), RPTPARATEXT_RAW_BEGIN);
        WriteText(body, RTFTEXT_RAW);
        ParaText(para.Get(), RPTPARATEXT_RAW_END);
        return S_OK;
    }
    WriteParagraph(para.Get(), body, RTFTEXT_ITEM);
    return S_OK;
}

HRESULT SRptRtfDevice::WriteTextFile(ISRptTextFile* pItem, SRptGenerationNode*) {
    if (!pItem) return E_INVALIDARG;
    SComWrap<ISRptPara> para = GetPara(pItem, 0);
    SString contents = SRptTextFileReader::Read(pItem->GetAbsPath());
    if (SRtfDocument::IsRtf(contents.view())) {
        MergeRtf(contents);
        ParaText(para.Get(), RPTPARATEXT_RAW_BEGIN);
        WriteText(contents, RTFTEXT_RAW);
        ParaText(para.Get(), RPTPARATEXT_RAW_END);
        return S_OK;
    }
    WriteParagraph(para.Get(), contents, RTFTEXT_ITEM);
    return S_OK;
}

