#include "rpt/devices/rtf/SRptRtfDevice.h"

#include <algorithm>
#include <string>

#include "platform/base/SCodePage.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SRtfDocument.h"
#include "platform/com/SComThrow.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptReport.h"

namespace {

// The patch reads and moves the file in blocks of this size; the old font table must begin
// within the first block.
constexpr size_t kPatchBlock = 4096;
constexpr size_t kOutputBlock = 1 << 20;

// The family words of the font table, by the high nibble of the pitch-and-family byte.
const char* FamilyWord(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case FF_ROMAN: return "froman ";
        case FF_SWISS: return "fswiss ";
        case FF_MODERN: return "fmodern ";
        case FF_SCRIPT: return "fscript ";
        case FF_DECORATIVE: return "fdecor ";
        default: return "fnil ";
    }
}

// A merged text's font table as the collected table takes it: the faces' names written as the
// report writes its own, and no character set or code page that would make readers take the
// report's characters for another page's. The symbol set stays: its fonts' bytes are glyphs.
SString MergedFontTable(const SString& sFonts) {
    SString table = SRptRtfEscaper::Escape(sFonts.view(), RTFTEXT_RAW);
    SRtfDocument(table).RemoveControlWords([](const SRtfDocument::Tag& tag) {
        return tag.word == "cpg" || (tag.word == "fcharset" && SCodePage::OfCharset(tag.param) != SCodePage::kSymbol);
    });
    return table;
}

// The words that set up a section's or the document's pages: paper size, margins, orientation,
// columns, page and line numbers, page borders, vertical alignment, the header and footer places,
// the title page and the kind of section break.
bool IsPageSetupWord(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "sectd",          "paperw",        "paperh",     "psz",          "margl",         "margr",
        "margt",          "margb",         "gutter",     "ogutter",      "rtlgutter",     "gutterprl",
        "margmirror",     "facingp",       "landscape",  "twoonone",     "bookfold",      "bookfoldrev",
        "bookfoldsheets", "titlepg",       "headery",    "footery",      "cols",          "colsx",
        "colno",          "colsr",         "colw",       "linebetcol",   "linemod",       "linex",
        "linestarts",     "linerestart",   "lineppage",  "linecont",     "vertalt",       "vertalb",
        "vertalc",        "vertalj",       "endnhere",   "ltrsect",      "rtlsect",       "stextflow",
        "sectunlocked",   "sectdefaultcl", "sectexpand", "sectlinegrid", "sectspecifycl", "sectspecifygen",
        "sectspecifyl",   "sectrsid",      "srauth",     "srdate",
    };
    static constexpr std::string_view kStarts[] = {"sbk", "pgn", "pgbrdr", "pgdsc"};
    if (std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords)) return true;
    for (std::string_view start : kStarts)
        if (word.substr(0, start.size()) == start) return true;
    // The section's own page size, margins and orientation: "\pgwsxn", "\marglsxn", "\lndscpsxn" ...
    return word.size() > 3 && word.substr(word.size() - 3) == "sxn";
}

// The page words that name a group of their own, whatever marks it: the table of page styles and
// each style in it, which go whole with what they hold (the styles' names would show as text).
bool IsPageSetupDestination(std::string_view destination) {
    return destination == "pgdsctbl" || destination == "pgdsc";
}

}  // namespace

SRptRtfDevice::SRptRtfDevice(ISRptReport* pReport, ISRptGenerationClient* pClient, const SString& sFileName)
    : SRptDevice(pReport, pClient), m_fileName(sFileName) {
    ResetFontNames();
}

SRptRtfDevice::~SRptRtfDevice() {
    // Without the end step the output is only released: the file under it is dropped and the
    // target keeps what it held.
    m_file = nullptr;
    m_output.reset();
}

HRESULT SRptRtfDevice::PromptFileName(SString* pName, const SString& sInitialName) {
    return PromptOutputFile(pName, sInitialName, "rtf", "Rtf files (*.rtf)|*.rtf|All files (*.*)|*.*|");
}

int32_t SRptRtfDevice::ToTwips(int32_t nHundredthsMm) {
    return static_cast<int32_t>(nHundredthsMm * 0.01 * 56.693 + 0.5);
}

int32_t SRptRtfDevice::ParaToTwips(int32_t nHundredthsMm) {
    return static_cast<int32_t>(nHundredthsMm * 0.56693 + 0.5);
}

HRESULT SRptRtfDevice::WriteText(const SString& sText, uint32_t nMode) {
    if (sText.IsEmpty() || !m_output) return S_OK;
    // Control words and plain texts go out as they are, without a copy.
    if (!SRptRtfEscaper::NeedsEscape(sText.view(), nMode)) m_output->WriteString(sText);
    else m_output->WriteString(SRptRtfEscaper::Escape(sText.view(), nMode));
    return S_OK;
}

void SRptRtfDevice::WriteRaw(std::string_view sText) {
    if (m_output) m_output->Write(sText.data(), sText.size());
}

void SRptRtfDevice::ResetFontNames() {
    m_fontNames.GetList().RemoveAll();
    m_fontNames.Add(SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT), 1);
}

HRESULT SRptRtfDevice::BeginGeneration() {
    const HRESULT hr = SRptDevice::BeginGeneration();
    if (hr < 0) return hr;
    // A run that begins again drops whatever an earlier one left unfinished.
    m_file = nullptr;
    m_output.reset();
    auto file = std::make_unique<SOutputFile>(m_fileName, 1);
    m_file = file.get();
    // A document runs to megabytes: it goes to the file in large blocks.
    m_output = std::make_unique<SOutputStringStream>(std::move(file), kOutputBlock);
    // There is no printer to measure on here: fonts are measured on the screen.
    m_refDC = std::make_unique<SWindowDC>();
    return S_OK;
}

HRESULT SRptRtfDevice::InitGeneration() {
    ResetFontNames();
    return S_OK;
}

HRESULT SRptRtfDevice::ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    return CollectFonts(pItem, pInfo);
}

HRESULT SRptRtfDevice::GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    return DispatchItem(pItem, pInfo);
}

HRESULT SRptRtfDevice::CollectFonts(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    if (pInfo) pInfo->action = RPTSCAN_DESCEND;
    if (!pItem) return S_OK;
    SRepClassColPtr paragraphs = pItem->Paragraphs();
    const int32_t count = paragraphs.GetCount();
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRptPara> para;
        para = static_cast<IUnknown*>(paragraphs.Item(i).Get());
        if (!para) SComThrow(E_POINTER);
        const SString face = para->GetFontName();
        if (!m_fontNames.Find(face)) m_fontNames.Add(face, 0);
    }
    return S_OK;
}

HRESULT SRptRtfDevice::FinishGeneration() {
    const HRESULT hr = SRptDevice::FinishGeneration();
    if (hr < 0) return hr;
    return WriteDocument();
}

HRESULT SRptRtfDevice::EndGeneration() {
    m_refDC.reset();
    if (m_output) {
        // The merged texts' tables are put in place while the file can still be patched; the
        // file takes the target's place only once it is complete.
        m_output->Flush();
        if (gRtfMerged) RewriteTables();
        m_output->Close();
        m_file = nullptr;
        m_output.reset();
    }
    gRtfMerged = false;
    return SRptDevice::EndGeneration();
}

HRESULT SRptRtfDevice::RewriteTables() {
    if (!m_file) return S_OK;
    PatchFontTable(*m_file, m_fontTable.GetFontTable() + m_colorTable.GetColorTable());
    return S_OK;
}

bool SRptRtfDevice::PatchFontTable(SPatchableOutputStream& output, const SString& sTables) {
    const int64_t size = output.GetPosition();
    std::string head;
    // Reads the next block of the file onto what was read; false at the end.
    const auto readMore = [&]() {
        const int64_t at = static_cast<int64_t>(head.size());
        if (at >= size) return false;
        const size_t count = static_cast<size_t>(std::min<int64_t>(kPatchBlock, size - at));
        head.resize(head.size() + count);
        output.ReadAt(at, head.data() + at, count);
        return true;
    };
    readMore();

    // The old table: the first tag that is a "{\fonttbl" group, read on until it closes. A tag
    // cut off by the end of what was read is read again with the next block.
    SRtfDocument::Tag tag;
    size_t tableLength = 0;
    bool found = false;
    for (size_t pos = 0; !found;) {
        if (!SRtfDocument::GetNextTag(head, pos, tag) || tag.offset >= kPatchBlock) return false;
        if (!tag.complete) {
            if (!readMore()) return false;
            continue;
        }
        std::string_view text = std::string_view(head).substr(tag.offset, tag.length);
        text = text.substr(0, text.find_last_not_of(" \t\r\n") + 1);
        if (text.substr(0, 9) == "{\\fonttbl") {
            found = true;
            tableLength = text.size();
        } else {
            pos = tag.End();
        }
    }

    const int64_t offset = static_cast<int64_t>(tag.offset);
    std::string replacement = sTables.str();
    const int64_t growth = static_cast<int64_t>(replacement.size()) - static_cast<int64_t>(tableLength);
    if (growth < 0) replacement.append(static_cast<size_t>(-growth), ' ');
    if (growth > 0) {
        // The file grows at its end, then what follows the old table moves up, last block first.
        output.Write(std::string(static_cast<size_t>(growth), ' ').data(), static_cast<size_t>(growth));
        std::string block(kPatchBlock, '\0');
        const int64_t from = offset + static_cast<int64_t>(tableLength);
        for (int64_t end = size; end > from;) {
            const size_t count = static_cast<size_t>(std::min<int64_t>(kPatchBlock, end - from));
            const int64_t start = end - static_cast<int64_t>(count);
            output.ReadAt(start, block.data(), count);
            output.PatchAt(start + growth, block.data(), count);
            end = start;
        }
    }
    output.PatchAt(offset, replacement.data(), replacement.size());
    output.Flush();
    return true;
}

HRESULT SRptRtfDevice::MergeRtf(SString& sRtf) {
    SRtfDocument document(sRtf);
    SString fonts;
    SString colors;
    SString styles;
    // Binary data is no text: as text, it keeps its bytes through what follows.
    document.ConvertBinary();
    // A text cut short or with stray braces would close the document's own groups or leave them
    // open: made whole first, it stays in its place and its tables can be taken out.
    document.Balance();
    // Its characters are read in its own code pages while its header and font table still say
    // which; the report then writes them as it writes its own.
    document.ToUnicode();
    document.ExtractHeader(nullptr, true);
    const bool hasFonts = document.ExtractFontTable(&fonts, true);
    const bool hasColors = document.ExtractColorTable(&colors, true);
    const bool hasStyles = document.ExtractStyleTable(&styles, true);
    // The text stays inside the report's section: its own pages, headers and footers would
    // replace the report's, and a section break of its own ends only its paragraph.
    document.RemoveGroups([](std::string_view destination) {
        return SRtfDocument::IsHeaderFooter(destination) || IsPageSetupDestination(destination);
    });
    document.RemoveControlWords([](const SRtfDocument::Tag& tag) { return IsPageSetupWord(tag.word); });
    document.ReplaceSectionBreaks();
    SRtfNumberMap fontMap;
    SRtfNumberMap colorMap;
    if (hasFonts) m_fontTable.AddFontTable(MergedFontTable(fonts), &fontMap);
    if (hasColors) m_colorTable.AddColorTable(colors, &colorMap);
    document.ChangeFontAndColor(fontMap, colorMap);
    if (hasStyles) SRtfDocument(styles).ChangeFontAndColor(fontMap, colorMap);
    // In a group of its own, nothing the text sets (its character and paragraph properties, any
    // state a reader keeps per group) outlives it; on a line of its own. A last paragraph it left
    // open is ended, in its own format, so that what follows does not run into it.
    const bool open = document.IsLastParagraphOpen();
    if (!sRtf.IsEmpty()) sRtf = "\r\n{" + sRtf + (open ? "\\par}" : "}");
    gRtfMerged = true;
    return S_OK;
}

HRESULT SRptRtfDevice::WriteDocument() {
    BeginDocument();
    SRptGenerationTree* tree = GetGenerationTree();
    if (tree) {
        for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(tree->GetRoot()); node;
             node = SRptGenerationTree::GetNextInTreeOrder(node)) {
            SComWrap<ISRepObject> object;
            object = node->GetItem();
            if (!object || !SRepIsKindOf(object.Get(), CLSID_SRptTemplate)) continue;
            SComWrap<ISRptTemplate> reportTemplate;
            reportTemplate = object.Get();
            WriteSection(reportTemplate.Get());
        }
    }
    WriteLine();
    WriteText("}", RTFTEXT_RAW);
    return S_OK;
}

HRESULT SRptRtfDevice::BeginDocument() {
    m_fontTable.RemoveAll();
    m_colorTable.RemoveAll();
    gRtfMerged = false;
    WriteText("{\\rtf1\\ansi\\deff0", RTFTEXT_RAW);
    WriteLine();
    WriteFontTable();
    m_colorTable.AddColorTable("{\\colortbl;}");
    WriteStyleSheet();
    return S_OK;
}

SString SRptRtfDevice::FamilyWordOf(const SString& sFaceName) {
    LOGFONTA logFont;
    logFont.SetFaceName(sFaceName.view());
    HFONT font = CreateFontIndirectA(&logFont);
    if (!font || !m_refDC) {
        if (font) DeleteObject(font);
        return FamilyWord(0);
    }
    HFONT previous = m_refDC->SelectFont(font);
    TEXTMETRICA metrics{};
    const bool measured = m_refDC->GetTextMetrics(&metrics);
    if (previous) m_refDC->SelectFont(previous);
    DeleteObject(font);
    return FamilyWord(measured ? metrics.tmPitchAndFamily : 0);
}

HRESULT SRptRtfDevice::WriteFontTable() {
    SString table = "{\\fonttbl\r\n";
    const SRptRtfNameList& names = m_fontNames.GetList();
    for (int32_t n = 0; n < names.GetSize(); ++n) {
        const SString& face = names.GetAt(n).name;
        SString entry;
        entry.Format("{\\f%d\\", n);
        table += entry + FamilyWordOf(face) + SRptRtfEscaper::EscapeFaceName(face.view()) + ";}\r\n";
    }
    table += "}";
    WriteLine();
    WriteText(table, RTFTEXT_RAW);
    WriteLine();
    m_fontTable.AddFontTable(table);
    return S_OK;
}

HRESULT SRptRtfDevice::WriteStyleSheet() {
    static const char* const kLines[] = {
        "{\\stylesheet",
        "{\\widctlpar\\adjustright\\fs20\\cgrid\\snext0 Normal;}",
        "{\\*\\cs10\\additive Default Paragraph Font;}",
        "}",
    };
    WriteLine();
    for (const char* line : kLines) {
        WriteText(line, RTFTEXT_RAW);
        WriteLine();
    }
    return S_OK;
}

HRESULT SRptRtfDevice::WriteSection(ISRptTemplate* pTemplate) {
    SRptGenerationTree* tree = GetGenerationTree();
    SRptGenerationNode* start = nullptr;
    if (pTemplate && tree) {
        SComWrap<ISRptTemplate> self(pTemplate);
        for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(tree->GetRoot()); node && !start;
             node = SRptGenerationTree::GetNextInTreeOrder(node)) {
            SComWrap<ISRptTemplate> other;
            other = node->GetItem();
            if (other && other.IsEqualObject(pTemplate)) start = node;
        }
    }
    WritePageSetup(pTemplate);
    for (SRptGenerationNode* node = start; node; node = SRptGenerationTree::GetNextInTreeOrder(node)) {
        SComWrap<ISRptTemplate> other;
        other = node->GetItem();
        if (other && !other.IsEqualObject(pTemplate)) break;
        WriteNode(node);
    }
    if (pTemplate) {
        WriteLine();
        WriteText("\\sect", RTFTEXT_RAW);
        WriteLine();
    }
    return S_OK;
}

HRESULT SRptRtfDevice::WritePageSetup(ISRptTemplate* pTemplate) {
    if (!pTemplate) return E_INVALIDARG;
    const POINT paper = pTemplate->GetPaperSize();
    const RECT margin = pTemplate->GetMargin();
    const int32_t orientation = pTemplate->GetOrientation();
    const TitlePage titlePage = TitlePageOf(pTemplate);
    SString setup;
    // A section takes over the properties of the one before: after the title page's section,
    // the defaults come back first.
    if (titlePage == TitlePage::kFollows) setup = "\\sectd";
    SString page;
    page.Format("\\paperw%ld\\paperh%ld\\margl%ld\\margt%ld\\margr%ld\\margb%ld", ToTwips(paper.x), ToTwips(paper.y),
                ToTwips(margin.left), ToTwips(margin.top), ToTwips(margin.right), ToTwips(margin.bottom));
    setup += page;
    if (orientation == 2) setup += "\\landscape";
    // The title page is printed without header and footer: its section marks its first page as
    // a title page, whose own header and footer are empty.
    if (titlePage == TitlePage::kOpens) setup += "\\titlepg";
    WriteLine();
    WriteText(setup, RTFTEXT_RAW);
    WriteLine();
    WriteHeaderFooter(pTemplate);
    if (titlePage == TitlePage::kOpens) WriteText("{\\headerf }{\\footerf }", RTFTEXT_RAW);
    return S_OK;
}

SRptRtfDevice::TitlePage SRptRtfDevice::TitlePageOf(ISRptTemplate* pTemplate) {
    SComWrap<ISRptReport> report;
    report = pTemplate->GetParentReport();
    int32_t position = 0;
    if (!report || !report->GetHasFirstPage() || FAILED(report->GetPosOfTemplate(pTemplate, &position)))
        return TitlePage::kNone;
    return position == 0 ? TitlePage::kOpens : TitlePage::kFollows;
}
