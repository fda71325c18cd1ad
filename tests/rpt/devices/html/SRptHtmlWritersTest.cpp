// The HTML device's writers on an open page: the escaping of a write, paragraph and font
// mark-up, item titles with their anchors and contents entries, the node writer, text files, and
// the frame parts without an open page.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/html/SRptHtmlTestFixture.h"
#include "support/STestTextForms.h"
#include "varod9/ISRptTextFile.h"

class SRptHtmlWriters : public SRptHtmlTest {
protected:
    void SetUp() override {
        SRptHtmlTest::SetUp();
        NewDevice(folder.PathOf("Report.htm"));
        ASSERT_EQ(SRptHtmlDeviceTestAccess::Begin(html), S_OK);
        SRptHtmlDeviceTestAccess::OpenMemoryPage(html);
    }
    std::string Written() const { return SRptHtmlDeviceTestAccess::Written(html); }
    void ClearPage() { SRptHtmlDeviceTestAccess::Clear(html); }
    // A node of the device's tree at `depth` (0 under the root).
    SRptGenerationNode* Node(IUnknown* item, int32_t depth = 1) {
        SRptGenerationTree* tree = html->GetGenerationTree();
        tree->Insert(std::make_unique<SRptGenerationNode>(tree, item), depth);
        SRptGenerationNode* node = tree->GetRoot();
        while (node->GetLastChild()) node = node->GetLastChild();
        return node;
    }
    SComWrap<ISRptPara> Para() { return ParaOf(Text("unused").Get(), 0); }
    // The node of a text file item on the (empty) file at `path`, outside the contents.
    SRptGenerationNode* TextFileNode(const SString& path) {
        STestTempFolder::WriteFile(path, "");
        SComWrap<ISRptTextFile> file = AddTextFile(path);
        if (!file) return nullptr;
        file->PutTOCEntry(false);
        return Node(file.Get());
    }
};

TEST_F(SRptHtmlWriters, FullEscapingTurnsMarkUpIntoEntitiesAndLineEndsIntoBreaks) {
    const SString text = "a<b & \"c\"\td\r\ne\r\n";
    ASSERT_EQ(html->Write(text, HTMLTEXT_TEXT), S_OK);
    EXPECT_EQ(Written(), "a&lt;b &amp; &quot;c&quot;&nbsp;&nbsp;&nbsp;d<br />\r\ne<br />\r\n");
}

TEST_F(SRptHtmlWriters, MaskZeroWritesTheTextUnchanged) {
    const SString text = "a<b & \"c\"\td\r\ne\r\n";
    ASSERT_EQ(html->Write(text, HTMLTEXT_RAW), S_OK);
    EXPECT_EQ(Written(), text.str());
}

TEST_F(SRptHtmlWriters, EachBitOfTheMaskEscapesItsCharacters) {
    struct Case {
        uint32_t mask;
        const char* expected;
    };
    // A greater-than sign, an ampersand, a quote, a less-than sign and a line feed.
    for (const Case& c : {Case{0x02, "&gt; &amp; \" < <br />\r\n"}, Case{0x04, "&gt; & &quot; < \n"},
                          Case{0x08, "> & \" &lt; \n"}, Case{0x10, "&gt; &amp; \" < \n"},
                          Case{0x20, "> &amp; &quot; < \n"}, Case{0x40, "> & &quot; < \n"},
                          Case{HTMLTEXT_INLINE, "&gt; &amp; &quot; &lt; \n"}}) {
        ClearPage();
        html->Write("> & \" < \r\n", c.mask);
        EXPECT_EQ(Written(), c.expected) << "mask " << c.mask;
    }
}

TEST_F(SRptHtmlWriters, LettersAndDigitsComeOutByteForByte) {
    html->Write("Quarter 3 2024", HTMLTEXT_TEXT);
    EXPECT_EQ(Written(), "Quarter 3 2024");
}

TEST_F(SRptHtmlWriters, WithoutAnOpenPageNothingIsWritten) {
    NewDevice(folder.PathOf("Other.htm"));
    EXPECT_EQ(html->Write("x", HTMLTEXT_RAW), E_INVALIDARG);
    EXPECT_EQ(html->WritePageHead(), E_INVALIDARG);
    EXPECT_EQ(html->WriteNavigationBar("a", "b", "c"), E_INVALIDARG);
    EXPECT_EQ(html->WritePageTail(), E_INVALIDARG);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(SRptHtmlWriters, ABorderedParagraphIsBoxedInATableOfItsBorderWidth) {
    SComWrap<ISRptPara> para = Para();
    para->PutAlignment(4);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_BEGIN);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_END);
    EXPECT_EQ(Written(), "<p align=\"center\">\r\n</p>\r\n");

    para->PutBorder(1);
    para->PutBorderWidth(35);
    ClearPage();
    html->OutputParagraph(para.Get(), RPTHTMLPARA_BEGIN);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_END);
    EXPECT_EQ(Written(),
              "<table border=\"1\" cellpadding=3 cellspacing=\"1\" width=\"100%\"><tr><td>\r\n<p align=\"center\">"
              "\r\n</p>\r\n</td></tr></table><br />\r\n");

    para->PutBorderWidth(53);
    para->PutAlignment(2);
    ClearPage();
    html->OutputParagraph(para.Get(), RPTHTMLPARA_BEGIN);
    EXPECT_EQ(Written(),
              "<table border=\"2\" cellpadding=3 cellspacing=\"1\" width=\"100%\"><tr><td>\r\n<p align=\"right\">");
    // Without the box.
    ClearPage();
    html->OutputParagraph(para.Get(), RPTHTMLPARA_BEGIN | RPTHTMLPARA_NOBOX);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_END | RPTHTMLPARA_NOBOX);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_BLANK);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_SPACE);
    html->OutputParagraph(para.Get(), 64 + 3);
    EXPECT_EQ(Written(), "<p align=\"right\">\r\n</p>\r\n  ");
}

TEST_F(SRptHtmlWriters, FontHeightsGiveTheSevenHtmlSizes) {
    SComWrap<ISRptPara> para = Para();
    para->PutFontName("Arial");
    para->PutFontStyle(0);
    struct Case {
        int32_t height;
        const char* size;
    };
    for (const Case& c : {Case{8, "1"}, Case{10, "2"}, Case{11, "3"}, Case{12, "3"}, Case{14, "4"}, Case{18, "5"},
                          Case{24, "6"}, Case{30, "7"}}) {
        para->PutFontHeight(c.height);
        ClearPage();
        html->OutputParagraph(para.Get(), RPTHTMLPARA_FONT_BEGIN);
        EXPECT_EQ(Written(), std::string("<font face=\"Arial\" size=\"") + c.size + "\">\r\n") << c.height;
    }
}

TEST_F(SRptHtmlWriters, FontStylesOpenInOrderAndCloseInTheReverse) {
    SComWrap<ISRptPara> para = Para();
    para->PutFontName("Arial");
    para->PutFontHeight(10);
    para->PutFontStyle(5);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_FONT_BEGIN);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_FONT_END);
    EXPECT_EQ(Written(), "<font face=\"Arial\" size=\"2\">\r\n<b><u></u></b></font>\r\n");
    para->PutFontStyle(15);
    ClearPage();
    html->OutputParagraph(para.Get(), RPTHTMLPARA_FONT_BEGIN);
    html->OutputParagraph(para.Get(), RPTHTMLPARA_FONT_END);
    EXPECT_EQ(Written(),
              "<font face=\"Arial\" size=\"2\">\r\n<b><i><strike><u></u></strike></i></b></font>\r\n");
}

TEST_F(SRptHtmlWriters, AnItemInTheContentsGetsAnAnchorAndAnEntryOnce) {
    SComWrap<ISRptTitle> title = Title("Sales");
    SRptGenerationNode* reportNode = Node(reportTemplate.Get(), 0);
    ASSERT_TRUE(reportNode);
    SRptGenerationNode* node = nullptr;
    for (int i = 0; i < 6; ++i) node = Node(title.Get());
    ASSERT_EQ(node->GetSerial(), 7u);
    ASSERT_EQ(html->WriteItemTitle(title.Get(), "Sales", node), S_OK);
    EXPECT_EQ(Written(), "<a name=\"7\">Sales</a> ");
    ASSERT_EQ(html->GetContentsEntries().size(), 1u);
    EXPECT_EQ(html->GetContentsEntries()[0].link, "Page1.htm#7");
    EXPECT_EQ(html->GetContentsEntries()[0].text, "Sales");
    EXPECT_EQ(html->GetContentsEntries()[0].level, 2);
    // A node already anchored (a second slice of a paged list) gets no second anchor.
    html->SetAnchored(node);
    ClearPage();
    html->WriteItemTitle(title.Get(), "Sales", node);
    EXPECT_EQ(Written(), "Sales");
    EXPECT_EQ(html->GetContentsEntries().size(), 1u);
}

TEST_F(SRptHtmlWriters, ANodeWithoutAnItemWritesNothing) {
    SRptGenerationNode* node = Node(nullptr, 1);
    EXPECT_EQ(html->WriteNode(node, nullptr, nullptr), S_OK);
    EXPECT_EQ(Written(), "");
    EXPECT_EQ(html->WriteNode(nullptr, nullptr, nullptr), E_INVALIDARG);
}

TEST_F(SRptHtmlWriters, ATableOfContentsWritesNothing) {
    SComWrap<ISRptItem> contents = AddItem("TBLCTS");
    EXPECT_TRUE(SRptHtmlDeviceTestAccess::IsItemSpecial(html, contents.Get()));
    EXPECT_FALSE(SRptHtmlDeviceTestAccess::IsItemSpecial(html, nullptr));
    EXPECT_EQ(html->WriteNode(Node(contents.Get()), nullptr, nullptr), static_cast<HRESULT>(0x8000FFFF));
    EXPECT_EQ(Written(), "");
}

TEST_F(SRptHtmlWriters, ATextIsOneParagraphBlock) {
    SComWrap<ISRptText> text = Text("Net < gross");
    ParaOf(text.Get(), 0)->PutFontStyle(RPT_FONT_STYLE_ITALIC);
    ASSERT_EQ(html->WriteNode(Node(text.Get()), nullptr, nullptr), S_OK);
    EXPECT_EQ(Written(),
              "<p align=\"left\"><font face=\"Arial\" size=\"2\">\r\n<i>Net &lt; gross</i></font>\r\n\r\n</p>\r\n");
}

TEST_F(SRptHtmlWriters, TextFilesShowTheirLinesOrWhyThereAreNone) {
    // Placing a text file asks for its file.
    STestTempFolder::WriteFile(folder.PathOf("notes.txt"), "");
    script.ExpectFileDialog(folder.PathOf("notes.txt"));
    SComWrap<ISRptTextFile> file = AddItem<ISRptTextFile>("TEXTFILE");
    ASSERT_TRUE(file);
    SRptMakePlainPara(ParaOf(file.Get(), 0).Get());
    file->PutTOCEntry(false);
    SRptGenerationNode* node = Node(file.Get());
    const std::string block = "<p align=\"left\"><font face=\"Arial\" size=\"1\">\r\n";
    const std::string end = "</font>\r\n\r\n</p>\r\n";

    file->PutAbsPath("");
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_EQ(Written(), block + end + block + "No file was specified.<br />\r\n" + end);

    const SString missing = folder.PathOf("gone.txt");
    file->PutAbsPath(missing);
    ClearPage();
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_EQ(Written(), block + missing.str() + end + block + "File '" + missing.str() + "' not found.<br />\r\n" + end);

    // A pipe (never opened: it would wait for a writer) and a folder cannot be read: they are
    // reported as missing files are.
    const SString pipe = folder.PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const SString& unreadable : {pipe, folder.GetPath()}) {
        file->PutAbsPath(unreadable);
        ClearPage();
        EXPECT_EQ(html->WriteNode(node, nullptr, nullptr), S_OK);
        EXPECT_EQ(Written(),
                  block + unreadable.str() + end + block + "File '" + unreadable.str() + "' not found.<br />\r\n" + end);
    }

    const SString present = folder.PathOf("notes.txt");
    STestTempFolder::WriteFile(present, "one & two\nthree\n");
    file->PutAbsPath(present);
    ClearPage();
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_EQ(Written(), block + present.str() + end + block + "one &amp; two<br />\r\nthree<br />\r\n" + end);

    STestTempFolder::WriteFile(present, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Caf\\'e9 \\b bold\\b0\\par next}\n");
    ClearPage();
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_EQ(Written(), block + present.str() + end + block + "Caf&#233; bold<br />\r\nnext" + end);

    // Binary data takes its own bytes, NULs among them, and no text after it.
    STestTempFolder::WriteFile(present, std::string("{\\rtf1\\ansi Data {\\*\\blob\\bin6 ab") + '\0' + '\0' +
                                            "cd}after\\par}");
    ClearPage();
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_EQ(Written(), block + present.str() + end + block + "Data after<br />\r\n" + end);
}

TEST_F(SRptHtmlWriters, TextFilesOfEveryEncodingShowTheSameTextAndNoNul) {
    const SString path = folder.PathOf("notes.txt");
    SRptGenerationNode* node = TextFileNode(path);
    ASSERT_TRUE(node);
    std::vector<STestTextForm> forms = STestTextForms();
    forms.push_back({"RTF of 8-bit text", kTestRawRtf});
    for (const STestTextForm& form : forms) {
        STestTempFolder::WriteFile(path, form.bytes);
        ClearPage();
        html->WriteNode(node, nullptr, nullptr);
        EXPECT_NE(Written().find("\r\nCaf&#233; 10 &#8364;<br />\r\n</font>"), std::string::npos) << form.name;
        EXPECT_EQ(Written().find('\0'), std::string::npos) << form.name;
    }
}

TEST_F(SRptHtmlWriters, RtfTextFilesShowTheTextReadersShowUpToTheirDocumentsEnd) {
    const SString path = folder.PathOf("notes.rtf");
    SRptGenerationNode* node = TextFileNode(path);
    ASSERT_TRUE(node);
    // "Привет" in code page 1251, escaped and as raw bytes; what follows the document is none of it.
    for (const char* rtf : {"{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}after\r\n",
                            "{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0\xE8\xE2\xE5\xF2\\par}after\r\n"}) {
        STestTempFolder::WriteFile(path, rtf);
        ClearPage();
        html->WriteNode(node, nullptr, nullptr);
        EXPECT_NE(Written().find("\r\n&#1055;&#1088;&#1080;&#1074;&#1077;&#1090;<br />\r\n</font>"), std::string::npos)
            << Written();
        EXPECT_EQ(Written().find("after"), std::string::npos);
    }
    // The characters of RTF's own words; a tab between cells, a line end after a row, a section
    // and a page that ends none; neither hidden text nor entries of the contents or the index.
    const struct {
        const char* rtf;
        const char* shown;
    } cases[] = {
        {"It\\rquote s the \\ldblquote final\\rdblquote  version \\emdash  2024\\endash 2025\\lquote",
         "It&#8217;s the &#8220;final&#8221; version &#8212; 2024&#8211;2025&#8216;"},
        {"\\bullet\\tab a\\~b\\_c\\-d\\emspace e\\enspace f\\qmspace g",
         "&#8226;&nbsp;&nbsp;&nbsp;a&#160;b&#8209;cd&#8195;e&#8194;f&#8197;g"},
        {"\\trowd\\cellx1000\\cellx2000\\pard\\intbl A1\\cell B1\\cell\\row"
         "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A2\\cell B2\\cell\\row\\pard After",
         "A1&nbsp;&nbsp;&nbsp;B1<br />\r\nA2&nbsp;&nbsp;&nbsp;B2<br />\r\nAfter"},
        {"One\\sect Two\\page Three\\par\\page Four", "One<br />\r\nTwo<br />\r\nThree<br />\r\nFour"},
        {"A \\uc0 \\u55357\\uc1 \\u56832\\'3f B", "A &#128512; B"},
        {"Shown{\\v hidden}\\v  hidden\\v0  shown\\v  hidden\\plain  again"
         "{\\pard\\plain \\sb200\\sa60\\nowidctlpar\\adjustright \\v\\f1\\fs20 {\\tc {\\f1\\cgrid0 Heading\\tcl2}}}"
         "{\\tc Entry}{\\tcn Entry}{\\xe {\\v Entry}}{\\pn\\pnlvlblt{\\pntxtb x}} Heading",
         "Shown shown again Heading"},
    };
    for (const auto& c : cases) {
        STestTempFolder::WriteFile(path, std::string("{\\rtf1\\ansi ") + c.rtf + "\\par}");
        ClearPage();
        html->WriteNode(node, nullptr, nullptr);
        EXPECT_NE(Written().find(std::string("\r\n") + c.shown + "<br />\r\n</font>"), std::string::npos) << Written();
    }
    // After a UTF-8 mark, binary data is data still: the text after it shows.
    STestTempFolder::WriteFile(path, std::string("\xEF\xBB\xBF{\\rtf1\\ansi Before{\\*\\blob\\bin6 ab") + '\0' + '\0' +
                                         "cd} after\\par Next\\par}");
    ClearPage();
    html->WriteNode(node, nullptr, nullptr);
    EXPECT_NE(Written().find("\r\nBefore after<br />\r\nNext<br />\r\n</font>"), std::string::npos) << Written();
}

TEST_F(SRptHtmlWriters, FieldTextsAreTheDateTheTimeAndAnEmptyPage) {
    SString text = "kept";
    EXPECT_EQ(SRptHtmlDeviceTestAccess::FieldText(html, 3, &text), S_OK);
    EXPECT_EQ(text, "");
    EXPECT_EQ(SRptHtmlDeviceTestAccess::FieldText(html, 1, &text), S_OK);
    EXPECT_EQ(text.GetLength(), 10);  // YYYY-MM-DD
    EXPECT_EQ(SRptHtmlDeviceTestAccess::FieldText(html, 2, &text), S_OK);
    EXPECT_EQ(text.GetLength(), 8);  // HH:MM:SS
    text = "kept";
    EXPECT_EQ(SRptHtmlDeviceTestAccess::FieldText(html, 4, &text), S_FALSE);
    EXPECT_EQ(text, "kept");
}

TEST_F(SRptHtmlWriters, TheSaveDialogAsksForAnHtmlFileAndCancelLeavesThePathAlone) {
    SString path = "unchanged";
    script.ExpectFileDialog("");
    EXPECT_EQ(SRptHtmlDevice::PromptFileName(&path, "Q3.htm"), 1);
    EXPECT_EQ(path, "unchanged");
    const SPrompt& dialog = SInteraction::GetTranscript().back();
    EXPECT_FALSE(dialog.openMode);
    EXPECT_EQ(dialog.defaultExtension, "htm");
    EXPECT_EQ(dialog.text, "Q3.htm");
    EXPECT_EQ(dialog.flags, 6u);
    EXPECT_EQ(dialog.filter, "HTML files (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*|");
    script.ExpectFileDialog(folder.PathOf("chosen.htm"));
    EXPECT_EQ(SRptHtmlDevice::PromptFileName(&path, "Q3.htm"), S_OK);
    EXPECT_EQ(path, folder.PathOf("chosen.htm"));
    EXPECT_EQ(SRptHtmlDevice::PromptFileName(nullptr, "Q3.htm"), E_INVALIDARG);
}

TEST_F(SRptHtmlWriters, ADeviceReleasedWithAPageOpenDropsItAndKeepsTheTarget) {
    const SString target = folder.PathOf("Repo1.htm");
    STestTempFolder::WriteFile(target, "previous");
    html->OpenPage("Repo1.htm");
    html->Write("<html>half", HTMLTEXT_RAW);
    html->Release();
    html = nullptr;
    EXPECT_EQ(STestTempFolder::ReadFile(target), "previous");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Repo1.htm"});
}
