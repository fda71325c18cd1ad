// The HTML device's writing of items: paragraph and font mark-up, the node writer that picks a
// writer by the item's class, item titles with their anchors and contents entries, and the
// writers of the text kinds.
#include "platform/base/SRtfDocument.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/helpers/SRptParaAt.h"
#include "rpt/devices/helpers/SRptTextFileReader.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "rpt/devices/html/SRptHtmlRtfText.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
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
#include "varod9/ISRptPara.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/RptParaFormat.h"

namespace {

constexpr int16_t kBorderSides = 0x0F;
constexpr int16_t kAlignLeft = 1;
constexpr int16_t kAlignRight = 2;
constexpr int16_t kAlignCentre = 4;
// Graphic files show their path for these display flags (0 path and picture, 2 the path only).
constexpr int32_t kDisplayPathAndPicture = 0;
constexpr int32_t kDisplayPath = 2;

// The HTML font size (1 to 7) of a height in points.
int32_t HtmlFontSize(int32_t height) {
    static constexpr int32_t kLimits[] = {8, 10, 12, 14, 18, 24};
    int32_t size = 1;
    for (int32_t limit : kLimits) {
        if (height <= limit) return size;
        ++size;
    }
    return size;
}

// Calls a writer with the item's interface of its kind: a query that finds no interface passes
// null on (the writer refuses it), any other failure is thrown.
template <class I, class Writer>
HRESULT CallWriter(IUnknown* item, Writer&& writer) {
    SComWrap<I> typed;
    typed = item;
    return writer(typed.Get());
}

// A text that is an RTF document of its own, as plain text.
SString PlainText(const SString& text) {
    return SRtfDocument::IsRtf(text.view()) ? SRptHtmlRtfText::ToText(text.view()) : text;
}

}  // namespace

int32_t SRptHtmlDevice::BorderPixels(ISRptPara* pPara) {
    return static_cast<int32_t>(pPara->GetBorderWidth() * 56.693 * 0.0005 + 0.5);
}

SComWrap<ISRptPara> SRptHtmlDevice::ParaAt(IUnknown* pContainer, int32_t nPos) {
    return SRptParaAt(pContainer, nPos, false);
}

HRESULT SRptHtmlDevice::OutputParagraph(ISRptPara* pPara, uint32_t nCode) {
    const bool box = (nCode & RPTHTMLPARA_NOBOX) == 0;
    switch (nCode & ~RPTHTMLPARA_NOBOX) {
        case RPTHTMLPARA_BEGIN: WriteParagraphStart(pPara, box); break;
        case RPTHTMLPARA_END: WriteParagraphEnd(pPara, box); break;
        case RPTHTMLPARA_BLANK:
        case RPTHTMLPARA_SPACE: Write(" ", HTMLTEXT_RAW); break;
        case RPTHTMLPARA_FONT_BEGIN: WriteFontStart(pPara); break;
        case RPTHTMLPARA_FONT_END: WriteFontEnd(pPara); break;
        default: break;
    }
    return S_OK;
}

HRESULT SRptHtmlDevice::WriteParagraphStart(ISRptPara* pPara, bool bBox) {
    SString start;
    if (bBox && pPara && (pPara->GetBorder() & kBorderSides)) {
        start.Format("<table border=\"%ld\" cellpadding=3 cellspacing=\"1\"", BorderPixels(pPara));
        start += " width=\"100%\"><tr><td>\r\n";
    }
    start += "<p";
    switch (pPara ? pPara->GetAlignment() : 0) {
        case kAlignLeft: start += " align=\"left\""; break;
        case kAlignRight: start += " align=\"right\""; break;
        case kAlignCentre: start += " align=\"center\""; break;
        default: break;
    }
    start += ">";
    return Write(start, HTMLTEXT_RAW);
}

HRESULT SRptHtmlDevice::WriteParagraphEnd(ISRptPara* pPara, bool bBox) {
    SString end = "\r\n</p>\r\n";
    if (bBox && pPara && (pPara->GetBorder() & kBorderSides)) end += "</td></tr></table><br />\r\n";
    return Write(end, HTMLTEXT_RAW);
}

HRESULT SRptHtmlDevice::WriteFontStart(ISRptPara* pPara) {
    if (!pPara) return E_INVALIDARG;
    // The face is a user's text inside an attribute value.
    SString start = "<font face=\"" + SRptHtmlEscaper::Escape(pPara->GetFontName().view(), HTMLTEXT_INLINE) + "\"";
    SString size;
    size.Format(" size=\"%d\"", HtmlFontSize(pPara->GetFontHeight()));
    start += size + ">\r\n";
    const int16_t style = pPara->GetFontStyle();
    if (style & RPT_FONT_STYLE_BOLD) start += "<b>";
    if (style & RPT_FONT_STYLE_ITALIC) start += "<i>";
    if (style & RPT_FONT_STYLE_STRIKEOUT) start += "<strike>";
    if (style & RPT_FONT_STYLE_UNDERLINE) start += "<u>";
    return Write(start, HTMLTEXT_RAW);
}

HRESULT SRptHtmlDevice::WriteFontEnd(ISRptPara* pPara) {
    if (!pPara) return E_INVALIDARG;
    SString end;
    const int16_t style = pPara->GetFontStyle();
    if (style & RPT_FONT_STYLE_UNDERLINE) end += "</u>";
    if (style & RPT_FONT_STYLE_STRIKEOUT) end += "</strike>";
    if (style & RPT_FONT_STYLE_ITALIC) end += "</i>";
    if (style & RPT_FONT_STYLE_BOLD) end += "</b>";
    end += "</font>\r\n";
    return Write(end, HTMLTEXT_RAW);
}

HRESULT SRptHtmlDevice::WriteNode(SRptGenerationNode* pNode, SRptGenerationNode* pPrev, SRptGenerationNode* pNext) {
    if (!pNode) return E_INVALIDARG;
    IUnknown* item = pNode->GetItem();
    // A break made for a paragraph's "page break before" has nothing to write: the page loop
    // has closed the page before it.
    if (!item) return S_OK;
    SComWrap<ISRepObject> object;
    object = item;
    if (!object) SComThrow(E_POINTER);
    const GUID clsid = object->GetClassID();

    if (clsid == CLSID_SRptPageBreak) return ClosePage(pNode, pNext);
    if (clsid == CLSID_SRptText)
        return CallWriter<ISRptText>(item, [&](ISRptText* p) { return WriteText(p, pNode); });
    if (clsid == CLSID_SRptTitle)
        return CallWriter<ISRptTitle>(item, [&](ISRptTitle* p) { return WriteTitle(p, pNode); });
    if (clsid == CLSID_SRptTextFile)
        return CallWriter<ISRptTextFile>(item, [&](ISRptTextFile* p) { return WriteTextFile(p, pNode); });
    if (clsid == CLSID_SRptGraphicFile)
        return CallWriter<ISRptGraphicFile>(item, [&](ISRptGraphicFile* p) { return WriteGraphicFile(p, pNode); });
    if (clsid == CLSID_SRptGrpText)
        return CallWriter<ISRptGrpText>(item, [&](ISRptGrpText* p) { return WriteGroupText(p, pNode); });
    if (clsid == CLSID_SRptGrpTitle)
        return CallWriter<ISRptGrpTitle>(item, [&](ISRptGrpTitle* p) { return WriteGroupTitle(p, pNode); });
    if (clsid == CLSID_SRptFolder)
        return CallWriter<ISRptFolder>(item, [&](ISRptFolder* p) { return WriteFolder(p, pNode); });
    if (clsid == CLSID_SRptList)
        return CallWriter<ISRptList>(item, [&](ISRptList* p) { return WriteList(p, pNode, pNext); });
    if (clsid == CLSID_SRptForm)
        return CallWriter<ISRptForm>(item, [&](ISRptForm* p) { return WriteForm(p, pNode); });
    if (clsid == CLSID_SRptUserGraphic)
        return CallWriter<ISRptUserGraphic>(item, [&](ISRptUserGraphic* p) { return WriteUserGraphic(p, pNode); });
    if (SRepIsKindOf(object.Get(), CLSID_SRptTemplate)) return WriteTemplateNode(pNode, pPrev, pNext);
    // A table of contents is no page content.
    return E_UNEXPECTED;
}

HRESULT SRptHtmlDevice::WriteTemplateNode(SRptGenerationNode* pNode, SRptGenerationNode* pPrev,
                                          SRptGenerationNode* pNext) {
    SComWrap<ISRptTemplate> reportTemplate;
    reportTemplate = pNode->GetItem();
    if (!reportTemplate) return E_INVALIDARG;
    SRptGenerationTree* tree = GetGenerationTree();
    const bool afterContent = pPrev && (!tree || pPrev != tree->GetRoot());
    if (afterContent && !IsPageEnd(pNode)) return ClosePage(pPrev, pNext);
    return S_FALSE;
}

HRESULT SRptHtmlDevice::WriteItemTitle(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode) {
    SComWrap<ISRptGraphicFile> graphic;
    if (pItem) graphic = static_cast<IUnknown*>(pItem);
    bool showText = true;
    if (graphic) {
        const int32_t display = graphic->GetDisplayFlag();
        showText = display == kDisplayPathAndPicture || display == kDisplayPath;
    }
    if (pItem && pNode && pItem->GetTOCEntry() && !IsAnchored(pNode)) {
        SString anchor;
        anchor.Format("%ld", pNode->GetSerial());
        SRptHtmlContentsEntry entry;
        entry.level = pNode->GetLevel();
        entry.text = sText;
        entry.link = SRptHtmlEscaper::EncodeUrl(m_currentPageName.view()) + "#" + anchor;
        m_contents.push_back(std::move(entry));
        Write("<a name=\"" + anchor + "\">", HTMLTEXT_RAW);
        if (showText) Write(sText, HTMLTEXT_TEXT);
        Write("</a> ", HTMLTEXT_RAW);
        return S_OK;
    }
    if (showText) Write(sText, HTMLTEXT_TEXT);
    return S_OK;
}

HRESULT SRptHtmlDevice::WriteText(ISRptText* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    return WriteBlock(ParaAt(pItem, 0).Get(), [&] { return WriteItemTitle(pItem, pItem->GetText(), pNode); });
}

HRESULT SRptHtmlDevice::WriteTitle(ISRptTitle* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    return WriteBlock(ParaAt(pItem, 0).Get(), [&] { return WriteItemTitle(pItem, pItem->GetText(), pNode); });
}

HRESULT SRptHtmlDevice::WriteHelperTitle(ISRptItem* pItem, SRptGenerationNode* pNode, bool bRepeat) {
    if (!pItem || !pNode) return E_INVALIDARG;
    SRptOutputHelper* helper = pNode->GetOutputHelper();
    if (!helper) return S_OK;
    const SString text = helper->GetText();
    return WriteBlock(ParaAt(pItem, 0).Get(), [&] {
        const HRESULT hr = WriteItemTitle(pItem, text, pNode);
        if (bRepeat) Write(text, HTMLTEXT_TEXT);
        return hr;
    });
}

HRESULT SRptHtmlDevice::WriteGroupTitle(ISRptGrpTitle* pItem, SRptGenerationNode* pNode) {
    return WriteHelperTitle(pItem, pNode, false);
}

HRESULT SRptHtmlDevice::WriteFolder(ISRptFolder* pItem, SRptGenerationNode* pNode) {
    return WriteHelperTitle(pItem, pNode, true);
}

HRESULT SRptHtmlDevice::WriteGroupText(ISRptGrpText* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    const HRESULT hr = WriteHelperTitle(pItem, pNode, false);
    if (hr < 0) return hr;
    SRptOutputHelper* helper = pNode->GetOutputHelper();
    if (!helper) return S_OK;
    const SString body = PlainText(helper->GetSecondText());
    return WriteBlock(ParaAt(pItem, 1).Get(), [&] {
        Write(body, HTMLTEXT_TEXT);
        return S_OK;
    });
}

HRESULT SRptHtmlDevice::WriteTextFile(ISRptTextFile* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    SComWrap<ISRptPara> para = ParaAt(pItem, 0);
    const SString path = pItem->GetAbsPath();
    WriteBlock(para.Get(), [&] { return WriteItemTitle(pItem, path, pNode); });
    // While pages are only numbered, the file need not be read.
    const SString text = IsNumberingPages() ? SString() : SRptTextFileReader::ReadPlain(path);
    return WriteBlock(para.Get(), [&] {
        Write(text, HTMLTEXT_TEXT);
        return S_OK;
    });
}
