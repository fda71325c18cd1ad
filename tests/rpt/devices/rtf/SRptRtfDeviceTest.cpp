// The RTF device as a whole and its writers: the document of a run, the page set-up, the title
// page, the header and footer, the table of contents, the dispatch of nodes, text files, the
// file dialog, and what a failing output does.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/base/SFile.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/SFileCompare.h"
#include "support/STestTextForms.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"

namespace {

const std::string kParaStart = "\r\n\\pard\\plain\r\n";
const std::string kPlainProps = "\\s0\\ql\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n";
const std::string kPlainChars = "\\f0\\fs20\r\n";

// A plain paragraph holding `text` as the writers put it.
std::string PlainParagraph(const std::string& text) {
    return kParaStart + kPlainProps + kPlainChars + text + "\r\n\\par";
}

}  // namespace

class SRptRtfDeviceRun : public SRptRtfTest {
protected:
    // The template's page, its header and footer texts and paragraphs made plain.
    void PlainTemplate() {
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{2500, 2500, 2500, 2500});
        reportTemplate->PutOrientation(1);
        reportTemplate->PutHeader("Quarterly report");
        reportTemplate->PutHeadUserDef(true);
        reportTemplate->PutFooter("Page %PAGE%");
        reportTemplate->PutFootUserDef(true);
        SRptMakePlainPara(ParaOf(reportTemplate.Get(), 0).Get());
        SRptMakePlainPara(ParaOf(reportTemplate.Get(), 1).Get());
        report->PutHasFirstPage(false);
    }
    SComWrap<ISRptText> PlainText(const char* text) {
        SComWrap<ISRptText> item = AddItem<ISRptText>("TEXT");
        item->PutText(text);
        item->PutTOCEntry(false);
        SRptMakePlainPara(ParaOf(item.Get(), 0).Get());
        return item;
    }
    HRESULT Generate(const SString& path) {
        if (device) device->Release();
        device = new SRptRtfDevice(report.Get(), nullptr, path);
        SComWrap<ISRptDevice> face;
        face = static_cast<ISRptDevice*>(device);
        return face->Generate();
    }
};

TEST_F(SRptRtfDeviceRun, OneTemplateWithOneTextMakesTheWholeDocument) {
    PlainTemplate();
    PlainText("Hello {world}");
    const SString path = folder.PathOf("one.rtf");
    ASSERT_EQ(Generate(path), S_OK);
    EXPECT_FILE_MATCHES(path, "rtf/one_text.rtf");
}

TEST_F(SRptRtfDeviceRun, ATitlePageIsTheFirstSectionsTitlePageWithoutHeaderAndFooter) {
    PlainTemplate();
    PlainText("first");
    StartSecondTemplate();
    PlainText("second");
    report->PutHasFirstPage(true);
    const SString path = folder.PathOf("title.rtf");
    ASSERT_EQ(Generate(path), S_OK);
    const std::string written = STestTempFolder::ReadFile(path);
    // The first section marks its first page and gives it an empty header and footer; the next
    // one goes back to the defaults, so that its first page has the header and footer again.
    const std::string setup = "\\paperw11906\\paperh16838\\margl1417\\margt1417\\margr1417\\margb1417";
    const size_t first = written.find("\r\n" + setup + "\\titlepg\r\n{\\header ");
    ASSERT_NE(first, std::string::npos);
    const size_t empty = written.find("\\par}{\\headerf }{\\footerf }", first);
    EXPECT_NE(empty, std::string::npos);
    EXPECT_LT(empty, written.find("first"));
    EXPECT_EQ(written.find("\\titlepg", empty), std::string::npos);
    EXPECT_NE(written.find("\\sect\r\n\r\n\\sectd" + setup + "\r\n{\\header "), std::string::npos);

    // Without a title page, neither.
    report->PutHasFirstPage(false);
    ASSERT_EQ(Generate(path), S_OK);
    const std::string plain = STestTempFolder::ReadFile(path);
    for (const char* word : {"\\titlepg", "\\headerf", "\\sectd"})
        EXPECT_EQ(plain.find(word), std::string::npos) << word;
}

TEST_F(SRptRtfDeviceRun, FacesOfTheParagraphsMakeTheFontTableAndTheirNumbers) {
    PlainTemplate();
    SComWrap<ISRptText> text = PlainText("serif");
    ParaOf(text.Get(), 0)->PutFontName("Times New Roman");
    const SString path = folder.PathOf("faces.rtf");
    ASSERT_EQ(Generate(path), S_OK);
    const std::string written = STestTempFolder::ReadFile(path);
    EXPECT_NE(written.find("{\\fonttbl\r\n{\\f0\\fswiss Arial;}\r\n{\\f1\\froman Times New Roman;}\r\n}\r\n"),
              std::string::npos);
    EXPECT_NE(written.find("\\f1\\fs20\r\nserif\r\n\\par"), std::string::npos);
}

TEST_F(SRptRtfDeviceRun, AnOutputThatCannotBeCreatedFailsTheRunAsAnInputOutputError) {
    PlainTemplate();
    PlainText("lost");
    EXPECT_EQ(Generate(folder.PathOf("missing/out.rtf")), static_cast<HRESULT>(0x80030019));
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(SRptRtfDeviceRun, ARunStoppedBeforeItsEndDropsItsOutputAndKeepsTheTarget) {
    const SString path = folder.PathOf("kept.rtf");
    STestTempFolder::WriteFile(path, "previous");
    device = new SRptRtfDevice(report.Get(), nullptr, path);
    ASSERT_EQ(SRptRtfDeviceTestAccess::Begin(device), S_OK);
    device->WriteText("{\\rtf1 half", RTFTEXT_RAW);
    device->Release();
    device = nullptr;
    EXPECT_EQ(STestTempFolder::ReadFile(path), "previous");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.rtf"});
}

class SRptRtfWriters : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        MemoryDevice();
    }
};

TEST_F(SRptRtfWriters, PageSetUpInTwipsWithLandscapeAfterTheMargins) {
    reportTemplate->PutPaperSize(POINT{21000, 29700});
    reportTemplate->PutMargin(RECT{1000, 2000, 3000, 4000});
    reportTemplate->PutOrientation(1);
    report->PutHasFirstPage(false);
    ASSERT_EQ(SRptRtfDeviceTestAccess::PageSetup(device, reportTemplate.Get()), S_OK);
    const std::string portrait =
        "\r\n\\paperw11906\\paperh16838\\margl567\\margt1134\\margr1701\\margb2268\r\n{\\header ";
    EXPECT_EQ(Written().substr(0, portrait.size()), portrait);
    reportTemplate->PutOrientation(2);
    const size_t start = Written().size();
    SRptRtfDeviceTestAccess::PageSetup(device, reportTemplate.Get());
    const std::string landscape =
        "\r\n\\paperw11906\\paperh16838\\margl567\\margt1134\\margr1701\\margb2268\\landscape\r\n{\\header ";
    EXPECT_EQ(Written().substr(start, landscape.size()), landscape);
    EXPECT_EQ(SRptRtfDeviceTestAccess::PageSetup(device, nullptr), E_INVALIDARG);
}

TEST_F(SRptRtfWriters, HeaderAndFooterKeepFieldWordsLiveAndEscapeTheRest) {
    reportTemplate->PutHeader("%PAGE% {x}\tC:\\temp");
    reportTemplate->PutHeadUserDef(true);
    reportTemplate->PutFooter("");
    reportTemplate->PutFootUserDef(true);
    SRptMakePlainPara(ParaOf(reportTemplate.Get(), 0).Get());
    SRptMakePlainPara(ParaOf(reportTemplate.Get(), 1).Get());
    SComWrap<ISRptDevice> face;
    face = static_cast<ISRptDevice*>(device);
    ASSERT_EQ(reportTemplate->InitHeaderFooter(face.Get()), S_OK);
    ASSERT_EQ(device->WriteHeaderFooter(reportTemplate.Get()), S_OK);
    EXPECT_EQ(Written(), "{\\header " + PlainParagraph("\\chpgn  \\{x\\}\\tab C:\\\\temp") + "}" + "{\\footer " +
                             PlainParagraph("") + "}");
    EXPECT_EQ(device->WriteHeaderFooter(nullptr), E_INVALIDARG);
}

TEST_F(SRptRtfWriters, TheTableOfContentsIsATocFieldEndedByAPageBreak) {
    SComWrap<ISRptTblCts> toc = AddItem<ISRptTblCts>("TBLCTS");
    ASSERT_TRUE(toc);
    SRptMakePlainPara(ParaOf(toc.Get(), 0).Get());
    SRptMakePlainPara(ParaOf(toc.Get(), 1).Get());
    toc->PutUserDefined(true);
    toc->PutTitle("Contents {all}");
    ASSERT_EQ(device->WriteTocField(toc.Get(), Node(toc.Get())), S_OK);
    ASSERT_EQ(toc->GetDispTitle(), "Contents {all}");
    EXPECT_EQ(Written(), PlainParagraph("Contents \\{all\\}") + kParaStart + kPlainProps + kPlainChars +
                             "{\\field{\\*\\fldinst {" + kPlainChars +
                             " TOC \\\\f }}{\\*\\fldrslt {\\b The 'Table of contents' field needs to be updated!}}}"
                             "\r\n\\par\\page ");
    EXPECT_EQ(device->WriteTocField(nullptr, nullptr), E_INVALIDARG);
}

TEST_F(SRptRtfWriters, ATextInTheContentsWritesItsHiddenEntryBetweenParagraphAndCharacters) {
    SComWrap<ISRptText> text = AddItem<ISRptText>("TEXT");
    text->PutText("A{b}\\c\td\ne");
    SRptMakePlainPara(ParaOf(text.Get(), 0).Get());
    text->PutTOCEntry(true);
    Node(reportTemplate.Get(), 0);
    SRptGenerationNode* node = Node(text.Get());
    ASSERT_EQ(node->GetLevel(), 2);
    ASSERT_EQ(device->WriteNode(node), S_OK);
    EXPECT_EQ(Written(), kParaStart + kPlainProps +
                             "{\\pard\\plain \\sb200\\sa60\\nowidctlpar\\adjustright \\v\\f1\\fs20 "
                             "{\\tc {\\f1\\cgrid0 A\\{b\\}\\\\c\\tab de\\tcl2}}}" +
                             kPlainChars + "A\\{b\\}\\\\c\\tab d\\par e\r\n\\par");

    // Deeper than the contents show, or not an entry: no entry.
    tree->SetMaxContentsLevel(0);
    size_t start = Written().size();
    device->WriteNode(node);
    EXPECT_EQ(Written().substr(start).find("\\tc "), std::string::npos);
    tree->SetMaxContentsLevel(9);
    text->PutTOCEntry(false);
    start = Written().size();
    device->WriteNode(node);
    EXPECT_EQ(Written().substr(start).find("\\tc "), std::string::npos);
}

TEST_F(SRptRtfWriters, NodesGoToTheWriterOfTheirKind) {
    EXPECT_EQ(device->WriteNode(nullptr), E_INVALIDARG);
    // A page break, and a node without an item, break the page and forget the borders.
    SComWrap<ISRptItem> pageBreak = AddItem("PAGEBREAK");
    device->SetPrevBorder(15);
    EXPECT_EQ(device->WriteNode(Node(pageBreak.Get())), S_OK);
    EXPECT_EQ(device->GetPrevBorder(), 0);
    device->SetPrevBorder(15);
    EXPECT_EQ(device->WriteNode(Node(nullptr)), S_OK);
    EXPECT_EQ(device->GetPrevBorder(), 0);
    EXPECT_EQ(Written(), "\r\n\\page\r\n\r\n\\page\r\n");
    // A class without a writer writes nothing.
    const size_t start = Written().size();
    EXPECT_EQ(device->WriteNode(Node(report.Get())), E_UNEXPECTED);
    EXPECT_EQ(Written().size(), start);
}

TEST_F(SRptRtfWriters, TextFilesWriteTheirLinesOrSayWhatIsMissing) {
    // Placing a text file asks for its file.
    STestTempFolder::WriteFile(folder.PathOf("placed.txt"), "placed");
    script.ExpectFileDialog(folder.PathOf("placed.txt"));
    SComWrap<ISRptTextFile> file = AddItem<ISRptTextFile>("TEXTFILE");
    ASSERT_TRUE(file);
    SRptMakePlainPara(ParaOf(file.Get(), 0).Get());
    SRptGenerationNode* node = Node(file.Get());

    file->PutAbsPath("");
    ASSERT_EQ(device->WriteNode(node), S_OK);
    EXPECT_EQ(Written(), PlainParagraph("No file was specified.\\par "));

    const SString missing = folder.PathOf("none.txt");
    file->PutAbsPath(missing);
    size_t start = Written().size();
    device->WriteNode(node);
    EXPECT_EQ(Written().substr(start), PlainParagraph("File '" + missing.str() + "' not found."));

    // A pipe (never opened: it would wait for a writer) and a folder cannot be read: they are
    // reported as missing files are.
    const SString pipe = folder.PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const SString& unreadable : {pipe, folder.GetPath()}) {
        file->PutAbsPath(unreadable);
        start = Written().size();
        EXPECT_EQ(device->WriteNode(node), S_OK);
        EXPECT_EQ(Written().substr(start), PlainParagraph("File '" + unreadable.str() + "' not found."));
    }

    const SString present = folder.PathOf("notes.txt");
    STestTempFolder::WriteFile(present, "a{b}\r\nc\\d");
    file->PutAbsPath(present);
    start = Written().size();
    device->WriteNode(node);
    EXPECT_EQ(Written().substr(start), PlainParagraph("a\\{b\\}\\par c\\\\d\\par "));
}

TEST_F(SRptRtfWriters, TextFilesOfEveryEncodingWriteTheSameTextAndNoNul) {
    const SString path = folder.PathOf("notes.txt");
    STestTempFolder::WriteFile(path, "");
    SComWrap<ISRptTextFile> file = AddTextFile(path);
    ASSERT_TRUE(file);
    SRptGenerationNode* node = Node(file.Get());
    for (const STestTextForm& form : STestTextForms()) {
        STestTempFolder::WriteFile(path, form.bytes);
        const size_t start = Written().size();
        device->WriteNode(node);
        EXPECT_EQ(Written().substr(start), PlainParagraph("Caf\\'e9 10 \\'80\\par ")) << form.name;
    }
    // An RTF file's 8-bit bytes are its code page's characters.
    STestTempFolder::WriteFile(path, kTestRawRtf);
    const size_t start = Written().size();
    device->WriteNode(node);
    EXPECT_EQ(Written().substr(start), "\r\n{Caf\\'e9 10 \\'80\\par}");
    EXPECT_EQ(Written().find('\0'), std::string::npos);
}

TEST_F(SRptRtfWriters, TheTitlePageComesBeforeTheFirstTemplateOnly) {
    report->PutHasFirstPage(true);
    report->PutFirstPageTitle("The {title}");
    report->PutHasFirstPageAuthor(true);
    report->PutFirstPageAuthor("A\\B");
    report->PutHasFirstPageDate(true);
    report->PutFirstPageDate("%DATE% in C:\\x");
    report->PutHasFirstPageVersion(true);
    report->PutFirstPageVersion("1.0");
    report->PutHasFirstPageSummary(true);
    report->PutFirstPageSummary("Sum");
    SRptMakePlainPara(ParaOf(report.Get(), 0).Get());
    SRptMakePlainPara(ParaOf(report.Get(), 1).Get());

    ASSERT_EQ(device->WriteNode(Node(reportTemplate.Get(), 0)), S_OK);
    std::string expected;
    for (int i = 0; i < 9; ++i) expected += "\\par\r\n";
    expected += PlainParagraph("The \\{title\\}");
    for (int i = 0; i < 3; ++i) expected += "\\pard\\plain\\par\r\n";
    expected += PlainParagraph("A\\\\B") + PlainParagraph("\\chdate  in C:\\\\x") + PlainParagraph("1.0") +
                PlainParagraph("Sum") + "\r\n\\page\r\n";
    EXPECT_EQ(Written(), expected);

    // With the optional fields off: the title alone.
    report->PutHasFirstPageAuthor(false);
    report->PutHasFirstPageDate(false);
    report->PutHasFirstPageVersion(false);
    report->PutHasFirstPageSummary(false);
    size_t start = Written().size();
    device->WriteTitlePage(reportTemplate.Get(), nullptr);
    std::string titleOnly;
    for (int i = 0; i < 9; ++i) titleOnly += "\\par\r\n";
    titleOnly += PlainParagraph("The \\{title\\}");
    for (int i = 0; i < 3; ++i) titleOnly += "\\pard\\plain\\par\r\n";
    EXPECT_EQ(Written().substr(start), titleOnly + "\r\n\\page\r\n");

    // A second template has no title page; nor has a report without one.
    SComWrap<ISRptTemplate> second;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
    start = Written().size();
    EXPECT_EQ(device->WriteTitlePage(second.Get(), nullptr), S_OK);
    report->PutHasFirstPage(false);
    EXPECT_EQ(device->WriteTitlePage(reportTemplate.Get(), nullptr), S_OK);
    EXPECT_EQ(Written().size(), start);
    EXPECT_EQ(device->WriteTitlePage(nullptr, nullptr), E_INVALIDARG);
}

TEST_F(SRptRtfWriters, TheFirstPassCollectsEveryFaceOnceAndSkipsAnEmptyEntry) {
    SComWrap<ISRptText> text = AddItem<ISRptText>("TEXT");
    ParaOf(text.Get(), 0)->PutFontName("Courier New");
    RPTSCANINFO info{};
    EXPECT_EQ(SRptRtfDeviceTestAccess::Collect(device, nullptr, &info), S_OK);
    ASSERT_EQ(SRptRtfDeviceTestAccess::Collect(device, text.Get(), &info), S_OK);
    ASSERT_EQ(SRptRtfDeviceTestAccess::Collect(device, text.Get(), &info), S_OK);
    EXPECT_EQ(info.action, RPTSCAN_DESCEND);
    const SRptRtfNameList& names = device->GetFontNameTable().GetList();
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names.GetAt(0).name, SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT));
    EXPECT_EQ(names.GetAt(1).name, "Courier New");
    ASSERT_EQ(SRptRtfDeviceTestAccess::FontTable(device), S_OK);
    EXPECT_EQ(Written(), "\r\n{\\fonttbl\r\n{\\f0\\fswiss Arial;}\r\n{\\f1\\fmodern Courier New;}\r\n}\r\n");
}

class SRptRtfFileDialog : public SRptRtfTest {};

TEST_F(SRptRtfFileDialog, TheSaveDialogProposesTheNameAndGivesThePathChosen) {
    EXPECT_EQ(SRptRtfDevice::PromptFileName(nullptr, "x.rtf"), E_INVALIDARG);
    script.ExpectFileDialog("");
    SString name = "kept";
    EXPECT_EQ(SRptRtfDevice::PromptFileName(&name, "Quarterly.rtf"), 1);
    EXPECT_EQ(name, "kept");
    script.ExpectFileDialog(folder.PathOf("chosen.rtf"));
    EXPECT_EQ(SRptRtfDevice::PromptFileName(&name, "Quarterly.rtf"), S_OK);
    EXPECT_EQ(name, folder.PathOf("chosen.rtf"));
    const SPrompt& prompt = SInteraction::GetTranscript().back();
    EXPECT_FALSE(prompt.openMode);
    EXPECT_EQ(prompt.text, "Quarterly.rtf");
    EXPECT_EQ(prompt.defaultExtension, "rtf");
    EXPECT_EQ(prompt.flags, 6u);
    EXPECT_EQ(prompt.filter, "Rtf files (*.rtf)|*.rtf|All files (*.*)|*.*|");
    EXPECT_FALSE(SFile::Exists(folder.PathOf("chosen.rtf")));
}
