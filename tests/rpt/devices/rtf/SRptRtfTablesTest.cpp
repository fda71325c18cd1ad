// Lists and forms written as RTF rows, texts that are RTF documents merged with their fonts and
// colours renumbered, and the patch that puts the collected tables in the finished file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/SOutputFile.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/STestModuleProcs.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptParaFormat.h"
#include "varod9/RptTableDef.h"

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// A list cell or form cell description, enabled, of a width in hundredths of a millimetre.
RPTTABLECELLDEF Cell(uint32_t size, const char* text, int32_t id, int16_t width, bool keyword = false) {
    RPTTABLECELLDEF cell;
    cell.Size = size;
    cell.DefaultText = text;
    cell.CellID = id;
    cell.Width = width;
    cell.Keyword = keyword ? 1 : 0;
    cell.Enabled = 1;
    return cell;
}

RPTTABLEROWDEF Row(const RPTTABLECELLDEF* cells, int16_t count) {
    RPTTABLEROWDEF row;
    row.Enabled = 1;
    row.SpBetweenCells = 100;
    row.NbCells = count;
    row.Cells = cells;
    return row;
}

}  // namespace

class SRptRtfTables : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        procs.Reset(new STestModuleProcs);
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{2500, 2500, 2500, 2500});
        report->PutHasFirstPage(false);
    }
    void TearDown() override {
        registered.clear();
        procs.Clear();
        SRptRtfTest::TearDown();
    }
    // Registers a module item of a kind with the given rows and places it in the template.
    template <class I = ISRptItem>
    SComWrap<I> Place(const char* id, int32_t kind, const RPTTABLEROWDEF* rows, int16_t count) {
        RPTUSRITEMDEF def = procs->Describe("Sales", id, kind);
        def.Table.NbRows = count;
        def.Table.Rows = rows;
        SComWrap<ISRptItem> item;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK);
        registered.push_back(item);
        Renew();
        return AddItem<I>(id);
    }
    // A new report of the module, which offers the items registered since the last one.
    void Renew() {
        reportTemplate.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        SComWrap<ISRepObject> reportObject;
        ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
        report = reportObject.Get();
        ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{2500, 2500, 2500, 2500});
        report->PutHasFirstPage(false);
    }
    std::string Generate() { return GenerateFile(folder.PathOf("tables.rtf")); }
    // Registers the module's group text GRPTEXT, for a new report: one element, headed "Heading",
    // whose body is `body`.
    void RegisterGroupText(const std::string& body) {
        RPTUSRITEMDEF def = procs->Describe("Sales", "GRPTEXT", RPT_ITEMKIND_GRPTEXT);
        SComWrap<ISRptItem> item;
        ASSERT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK);
        registered.push_back(item);
        Renew();
        procs->begin = [](RPTPROCCONTEXT&) { return 1; };
        procs->FetchRows(1);
        procs->process = [](RPTPROCCONTEXT& record) {
            record.Text2 = "Heading";
            return 1;
        };
        procs->getValue = [body](RPTPROCCONTEXT& record) {
            record.Text2 = SString(body);
            return 1;
        };
    }

    SComWrap<STestModuleProcs> procs;
    std::vector<SComWrap<ISRptItem>> registered;
};

TEST_F(SRptRtfTables, AListIsAHeadingRowAndItsDataRowsInTwipsWithEscapedTexts) {
    const RPTTABLECELLDEF cells[] = {Cell(RPTTABLECELLDEF_SIZE_LIST, "Name", 1, 2500),
                                     Cell(RPTTABLECELLDEF_SIZE_LIST, "Type", 2, 5000)};
    const RPTTABLEROWDEF row = Row(cells, 2);
    procs->begin = [](RPTPROCCONTEXT&) { return 2; };
    procs->FetchRows(2);
    procs->getValue = [](RPTPROCCONTEXT& record) {
        record.CellText = SString(record.CellID == 1 ? "n{" : "t\\") + std::to_string(record.RowCursor).c_str();
        return S_OK;
    };
    ASSERT_TRUE(Place("LIST", RPT_ITEMKIND_LIST, &row, 1));
    const std::string written = Generate();

    // Three rows, the heading one marked after its defaults, which would reset the mark; the gap
    // of 1 mm is 56 twips.
    EXPECT_EQ(Count(written, "\\trowd\\trgaph28\\trleft28"), 3u);
    EXPECT_EQ(Count(written, "\\trhdr"), 1u);
    EXPECT_NE(written.find("\r\n\\trowd\\trgaph28\\trleft28\\trhdr\r\n"), std::string::npos);
    EXPECT_LT(written.find("\\trowd"), written.find("\\trhdr"));
    // 25 mm make 1417 twips, another 50 mm 2835 more.
    EXPECT_EQ(Count(written, "\\cellx1417\r\n"), 3u);
    EXPECT_EQ(Count(written, "\\cellx4252\r\n"), 3u);
    EXPECT_EQ(Count(written, "\\pard\\intbl\\row\r\n"), 3u);
    for (const char* text : {"Name\\cell", "Type\\cell", "n\\{0\\cell", "t\\\\0\\cell", "n\\{1\\cell", "t\\\\1\\cell"})
        EXPECT_NE(written.find(text), std::string::npos) << text;
    // The table ends with a plain paragraph in the default font and size.
    EXPECT_NE(written.find("\\pard\\intbl\\row\r\n\\pard\\plain \\f0\\fs20 \\par"), std::string::npos);
}

// Writes the sample of a list longer than a page that the real readers check (tests/readers) to
// the path the variable names: its heading row comes back on every page the list fills.
TEST_F(SRptRtfTables, LongListSampleForTheReaders) {
    const char* target = std::getenv("VAROD9_RTF_LIST_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_RTF_LIST_SAMPLE not set";
    const RPTTABLECELLDEF cells[] = {Cell(RPTTABLECELLDEF_SIZE_LIST, "Heading name", 1, 5000),
                                     Cell(RPTTABLECELLDEF_SIZE_LIST, "Heading kind", 2, 5000)};
    const RPTTABLEROWDEF row = Row(cells, 2);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->FetchRows(200);
    procs->getValue = [](RPTPROCCONTEXT& record) {
        record.CellText = SString(record.CellID == 1 ? "Row " : "Kind ") + std::to_string(record.RowCursor).c_str();
        return S_OK;
    };
    ASSERT_TRUE(Place("LIST", RPT_ITEMKIND_LIST, &row, 1));
    EXPECT_NE(GenerateFile(target).find("Row 199"), std::string::npos);
}

// Writes the sample of merged texts that the real readers check (tests/readers) to the path the
// variable names: a report with a title page and a page header, and texts of RTF merged into it,
// each followed by a text of the report's own: a picture of PNG bytes as "\bin" data, optional
// data with NULs in it (in a text file and in a group text), a text whose last paragraph is left
// open, two landscape sections with a header of their own, and a group text whose body is a table
// and a bulleted paragraph, each followed by a plain one.
TEST_F(SRptRtfTables, MergedTextsSampleForTheReaders) {
    const char* target = std::getenv("VAROD9_MERGED_TEXTS_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_MERGED_TEXTS_SAMPLE not set";
    const std::string data = std::string("{\\*\\blob\\bin6 ab") + '\0' + '\0' + "cd}";
    RegisterGroupText("{\\rtf1\\ansi Group data " + data +
                      "kept\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl A1\\cell B1\\cell\\row\\pard After the "
                      "table\\par{\\pntext\\bullet\\tab}{\\*\\pn\\pnlvlblt\\pnindent360"
                      "{\\pntxtb\\bullet}}\\fi-360\\li720 Bullet\\par\\pard After the bullet\\par}");
    report->PutHasFirstPage(true);
    report->PutFirstPageTitle("Merged texts");
    reportTemplate->PutHeader("Report header");
    reportTemplate->PutHeadUserDef(true);
    AddItem<ISRptText>("TEXT")->PutText("Before the merged texts");

    // A text file of RTF, then a text of the report's own.
    const auto merge = [this](const char* name, const std::string& rtf, const char* after) {
        const SString path = folder.PathOf(name);
        STestTempFolder::WriteFile(path, rtf);
        ASSERT_TRUE(AddTextFile(path));
        AddItem<ISRptText>("TEXT")->PutText(after);
    };
    const std::string png = STestTempFolder::ReadFile(std::string(VAROD9_TEST_DATA) + "/pictures/gradient.png");
    const std::string pict = "{\\pict\\pngblip\\picw96\\pich48\\picwgoal1440\\pichgoal720\\bin";
    merge("picture.rtf", "{\\rtf1\\ansi Picture " + pict + std::to_string(png.size()) + " " + png + "}\\par}",
          "After the picture");
    merge("data.rtf", "{\\rtf1\\ansi Data " + data + "kept\\par}", "After the data");
    merge("open.rtf", "{\\rtf1\\ansi Hello world}", "List of entities");
    merge("sections.rtf",
          "{\\rtf1\\ansi\\paperw8391\\paperh5953\\margl567\\landscape\\titlepg\\sectd\\lndscpsxn\\pgwsxn8391"
          "\\pghsxn5953{\\header Merged header}Landscape one\\sect\\sectd\\lndscpsxn\\pgwsxn8391\\pghsxn5953 "
          "Landscape two\\par}",
          "After the sections");
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    AddItem<ISRptText>("TEXT")->PutText("After the group text");
    AddItem("PAGEBREAK");
    AddItem<ISRptText>("TEXT")->PutText("Last page");
    EXPECT_NE(GenerateFile(target).find("Last page"), std::string::npos);
}

TEST_F(SRptRtfTables, AListsDataRowsAreInItsTextFormatItsHeadingInItsHeadingFormat) {
    // The row that defines the list's cells is in its heading format: its cells are title cells.
    RPTTABLECELLDEF cells[] = {Cell(RPTTABLECELLDEF_SIZE_LIST, "Name", 1, 2500)};
    cells[0].Title = 1;
    const RPTTABLEROWDEF row = Row(cells, 1);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->FetchRows(1);
    procs->getValue = [](RPTPROCCONTEXT& record) {
        record.CellText = "value";
        return S_OK;
    };
    SComWrap<ISRptList> list = Place<ISRptList>("LIST", RPT_ITEMKIND_LIST, &row, 1);
    ASSERT_TRUE(list);
    SComWrap<ISRptPara> heading = ParaOf(list.Get(), 1);
    SComWrap<ISRptPara> text = ParaOf(list.Get(), 2);
    SRptMakePlainPara(heading.Get());
    heading->PutAlignment(4);
    heading->PutFontStyle(RPT_FONT_STYLE_ITALIC);
    SRptMakePlainPara(text.Get());
    text->PutAlignment(2);
    text->PutFontStyle(RPT_FONT_STYLE_BOLD);
    const std::string written = Generate();
    const auto paragraphOf = [&written](const std::string& cell) {
        const size_t at = written.find(cell + "\\cell");
        if (at == std::string::npos) return std::string();
        const size_t start = written.rfind("\\pard\\plain\r\n", at);
        return written.substr(start, at - start);
    };
    EXPECT_EQ(paragraphOf("Name"), "\\pard\\plain\r\n\\s0\\qc\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n\\i\\f0\\fs20\r\n");
    EXPECT_EQ(paragraphOf("value"), "\\pard\\plain\r\n\\s0\\qr\\nowidctlpar\\sb0\\sa0\\li0\\ri0\r\n\\b\\f0\\fs20\r\n");
}

TEST_F(SRptRtfTables, AListWithoutDataRowsWritesNothingNotEvenItsTitle) {
    const RPTTABLECELLDEF cells[] = {Cell(RPTTABLECELLDEF_SIZE_LIST, "Name", 1, 2500)};
    const RPTTABLEROWDEF row = Row(cells, 1);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->FetchRows(0);
    ASSERT_TRUE(Place("LIST", RPT_ITEMKIND_LIST, &row, 1));
    const std::string written = Generate();
    EXPECT_EQ(written.find("\\trowd"), std::string::npos);
    EXPECT_EQ(written.find("\\cell"), std::string::npos);
}

TEST_F(SRptRtfTables, AFormIsOneRowPerEnabledRowWithLabelsAndTheModulesValues) {
    const RPTTABLECELLDEF first[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Owner", 1, 3000),
                                     Cell(RPTTABLECELLDEF_SIZE_FORM, "", 11, 6000, true)};
    const RPTTABLECELLDEF second[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Size", 2, 3000),
                                      Cell(RPTTABLECELLDEF_SIZE_FORM, "", 12, 6000, true)};
    const RPTTABLEROWDEF rows[] = {Row(first, 2), Row(second, 2)};
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->getValue = [](RPTPROCCONTEXT& record) {
        record.CellText = record.CellID == 11 ? "Ann {A}" : "42";
        return S_OK;
    };
    ASSERT_TRUE(Place("FORM", RPT_ITEMKIND_FORM, rows, 2));
    const std::string written = Generate();
    EXPECT_EQ(Count(written, "\\trowd"), 2u);
    EXPECT_EQ(written.find("\\trhdr"), std::string::npos);
    // 30 mm make 1701 twips, another 60 mm 3402 more.
    EXPECT_EQ(Count(written, "\\cellx1701\r\n"), 2u);
    EXPECT_EQ(Count(written, "\\cellx5103\r\n"), 2u);
    const size_t owner = written.find("Owner\\cell");
    const size_t value = written.find("Ann \\{A\\}\\cell");
    const size_t size = written.find("Size\\cell");
    ASSERT_NE(owner, std::string::npos);
    ASSERT_NE(value, std::string::npos);
    ASSERT_NE(size, std::string::npos);
    EXPECT_LT(owner, value);
    EXPECT_LT(value, size);
    EXPECT_NE(written.find("42\\cell"), std::string::npos);
}

TEST_F(SRptRtfTables, ATextFileInRtfIsMergedWithItsFontsAndColoursRenumbered) {
    const SString source = folder.PathOf("merged.rtf");
    STestTempFolder::WriteFile(source,
                               "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
                               "{\\colortbl;\\red255\\green0\\blue0;}\r\n\\pard\\f0\\cf1 Merged red\\f1  plain\\par\r\n}");
    script.ExpectFileDialog(source);
    SComWrap<ISRptTextFile> file = AddItem<ISRptTextFile>("TEXTFILE");
    ASSERT_TRUE(file);
    const std::string written = Generate();

    // One font table, the collected one, directly followed by the colour table.
    EXPECT_EQ(Count(written, "{\\fonttbl"), 1u);
    EXPECT_EQ(Count(written, "{\\colortbl"), 1u);
    EXPECT_NE(written.find("}{\\colortbl;\\red255\\green0\\blue0;}"), std::string::npos);
    EXPECT_NE(written.find("{\\f1\\froman Times New Roman;}"), std::string::npos);
    // The document's Arial stays font 0, so the text's Times New Roman becomes font 1.
    EXPECT_NE(written.find("\\pard\\f1\\cf1 Merged red\\f0  plain\\par"), std::string::npos);
    EXPECT_EQ(written.find("\\rtf1", 2), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 3), "\r\n}");
}

TEST_F(SRptRtfTables, AGroupTextInRtfKeepsItsFormatAfterEachParagraphResetOfItsBody) {
    RegisterGroupText("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\pardeftab720 One\\par\\trowd\\cellx2000"
                      "\\pard\\intbl A1\\cell\\row\\pard After\\par}");
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    const std::string written = Generate();
    // The body's paragraph format, as the group text's paragraph begins: on the line before it.
    const size_t body = written.find("\r\n{\\pard");
    ASSERT_NE(body, std::string::npos);
    const size_t formatStart = written.rfind("\\pard\\plain\r\n", body) + 13;
    const std::string format = written.substr(formatStart, written.find("\r\n", formatStart) - formatStart);
    // Each reset of the body brings the format back, so that the paragraph after the table is
    // out of it; "\\pardeftab720" is another word and stays.
    EXPECT_NE(written.find("{\\pard" + format + "\\pardeftab720 One\\par\\trowd\\cellx2000\\pard" + format +
                           "\\intbl A1\\cell\\row\\pard" + format + " After\\par}"),
              std::string::npos)
        << written;
}

TEST_F(SRptRtfTables, AnRtfTextFileCutShortIsClosedInItsPlaceAndTheItemsAfterItStayOutside) {
    const SString source = folder.PathOf("cut.rtf");
    STestTempFolder::WriteFile(source, "{\\rtf1\\ansi\\b Bold\\b0  {\\i open {\\*\\x lost");
    AddItem<ISRptText>("TEXT")->PutText("Before");
    ASSERT_TRUE(AddTextFile(source));
    AddItem<ISRptText>("TEXT")->PutText("After");
    const std::string written = Generate();

    // The depth of groups at each place of the document, escaped characters passed over.
    std::vector<int32_t> depth(written.size() + 1, 0);
    int32_t lowest = 1;
    for (size_t at = 0, level = 0; at < written.size(); ++at) {
        depth[at] = static_cast<int32_t>(level);
        if (written[at] == '\\') {
            depth[++at] = static_cast<int32_t>(level);
        } else if (written[at] == '{') {
            ++level;
        } else if (written[at] == '}') {
            --level;
            if (at + 1 < written.size()) lowest = std::min(lowest, static_cast<int32_t>(level));
        }
        depth[at + 1] = static_cast<int32_t>(level);
    }
    // The document's own group closes with its last byte, and nothing before closes it.
    EXPECT_EQ(depth.back(), 0);
    EXPECT_EQ(lowest, 1);
    // The merged text keeps its leading bold and stays between the two texts, which stand
    // outside its groups.
    const size_t before = written.find("Before");
    const size_t bold = written.find("\\b Bold\\b0 ");
    const size_t after = written.find("After");
    ASSERT_NE(bold, std::string::npos);
    ASSERT_NE(after, std::string::npos);
    EXPECT_LT(before, bold);
    EXPECT_LT(bold, after);
    EXPECT_EQ(depth[before], 1);
    EXPECT_EQ(depth[after], 1);
}

TEST_F(SRptRtfTables, AnRtfTextFileThatBeginsWithTextKeepsItApartFromTheWordBeforeIt) {
    const SString source = folder.PathOf("plain.rtf");
    STestTempFolder::WriteFile(source, "{\\rtf1\\ansi Plain start\\par}");
    AddItem<ISRptText>("TEXT")->PutText("Before");
    ASSERT_TRUE(AddTextFile(source));
    const std::string written = Generate();
    const size_t text = written.find("Plain start\\par");
    ASSERT_NE(text, std::string::npos);
    EXPECT_EQ(written.substr(text - 7, 7), "\\par\r\n{");
}

TEST_F(SRptRtfTables, AMergedTextsStateEndsWithItsGroupAndNoFallbackCountOutlivesIt) {
    // "😀" as a pair whose halves have a count of fallback characters between them, in a group
    // text and in a text file.
    const std::string pair = "{\\rtf1\\ansi A \\uc0 \\u55357\\uc1 \\u56832\\'3f B\\par}";
    RegisterGroupText(pair);
    const SString source = folder.PathOf("uc.rtf");
    STestTempFolder::WriteFile(source, "{\\rtf1\\ansi\\uc2\\b \\u937\\'3f\\'3fmega}");
    const SString paired = folder.PathOf("pair.rtf");
    STestTempFolder::WriteFile(paired, pair);
    ASSERT_TRUE(AddTextFile(source));
    AddItem<ISRptText>("TEXT")->PutText("\xCE\xA9mega \xCE\x94" "elta");
    ASSERT_TRUE(AddTextFile(paired));
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    const std::string written = Generate();
    EXPECT_EQ(Count(written, "A \\u-10179\\'3f\\u-8704\\'3f B\\par}"), 2u) << written;
    // The merged text in a group of its own, its bold inside; no count of fallback characters
    // is left for readers to apply to the report's own escapes after it.
    EXPECT_NE(written.find("\r\n{\\b \\u937\\'3fmega\\par}"), std::string::npos);
    EXPECT_EQ(written.find("\\uc"), std::string::npos);
    EXPECT_NE(written.find("\\u937\\'3fmega \\u916\\'3felta"), std::string::npos);
}

TEST_F(SRptRtfTables, AMergedTextIsReadInItsOwnCodePages) {
    // "Привет" in code page 1251: escaped in a font of the Cyrillic set, and as raw bytes of the
    // document's page; "日本" in code page 932, a lead and a trail byte each.
    const SString escaped = folder.PathOf("escaped.rtf");
    STestTempFolder::WriteFile(escaped,
                               "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman Cyr;}}"
                               "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}");
    const SString raw = folder.PathOf("raw.rtf");
    STestTempFolder::WriteFile(raw, "{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0\xE8\xE2\xE5\xF2\\par}");
    const SString japanese = folder.PathOf("japanese.rtf");
    STestTempFolder::WriteFile(japanese, "{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b\\par}");
    for (const SString& path : {escaped, raw, japanese}) ASSERT_TRUE(AddTextFile(path));
    const std::string written = Generate();

    const std::string privet = "\\u1055\\'3f\\u1088\\'3f\\u1080\\'3f\\u1074\\'3f\\u1077\\'3f\\u1090\\'3f\\par";
    EXPECT_EQ(Count(written, privet), 2u) << written;
    EXPECT_NE(written.find("\\u26085\\'3f\\u26412\\'3f\\par"), std::string::npos);
    // The face stays, without the character set that would make readers take the report's
    // "\\'hh" for Cyrillic.
    EXPECT_NE(written.find("{\\f1\\froman Times New Roman Cyr;}"), std::string::npos);
    EXPECT_EQ(written.find("\\fcharset"), std::string::npos);
}

TEST_F(SRptRtfTables, BinaryDataOfAMergedTextBecomesAPicturesDigitsOrGoesWithItsDestination) {
    // Data with a NUL and bytes above 0x7F in a picture, and data with NULs in an optional
    // destination, with text after each: in text files and in a group text.
    const std::string blob = std::string("{\\*\\blob\\bin6 ab") + '\0' + '\0' + "cd}";
    RegisterGroupText("{\\rtf1\\ansi Group " + blob + "kept\\par}");
    const SString picture = folder.PathOf("picture.rtf");
    STestTempFolder::WriteFile(picture, "{\\rtf1\\ansi {\\pict\\pngblip\\bin6 \x89PN" + std::string(1, '\0') +
                                            "\r\n}after\\par}");
    const SString data = folder.PathOf("data.rtf");
    STestTempFolder::WriteFile(data, "{\\rtf1\\ansi Data " + blob + "kept\\par}");
    // The same files after a UTF-8 mark.
    const SString markedPicture = folder.PathOf("marked-picture.rtf");
    STestTempFolder::WriteFile(markedPicture, "\xEF\xBB\xBF" + STestTempFolder::ReadFile(picture));
    const SString markedData = folder.PathOf("marked-data.rtf");
    STestTempFolder::WriteFile(markedData, "\xEF\xBB\xBF" + STestTempFolder::ReadFile(data));
    for (const SString& path : {picture, data, markedPicture, markedData}) ASSERT_TRUE(AddTextFile(path));
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    const std::string written = Generate();
    EXPECT_EQ(Count(written, "{\\pict\\pngblip\r\n89504e000d0a}after\\par}"), 2u) << written;
    EXPECT_EQ(Count(written, "{Data kept\\par}"), 2u);
    EXPECT_NE(written.find("{Group kept\\par}"), std::string::npos);
    EXPECT_EQ(written.find("\\bin"), std::string::npos);
}

TEST_F(SRptRtfTables, AMergedTextsLastParagraphLeftOpenIsEndedAndOneThatIsEndedStaysAsItIs) {
    RegisterGroupText("{\\rtf1\\ansi Group {\\b body}}");
    const SString open = folder.PathOf("open.rtf");
    STestTempFolder::WriteFile(open, "{\\rtf1\\ansi Hello world}");
    const SString ended = folder.PathOf("ended.rtf");
    STestTempFolder::WriteFile(ended, "{\\rtf1\\ansi Ended\\par {\\*\\x hidden}\r\n}");
    // Groups that are not optional but hold no body text show nothing after the last paragraph.
    const SString described = folder.PathOf("described.rtf");
    STestTempFolder::WriteFile(described, "{\\rtf1\\ansi Described\\par {\\tc Entry}{\\info{\\title Title}}\r\n}");
    for (const SString& path : {open, ended, described}) ASSERT_TRUE(AddTextFile(path));
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    const std::string written = Generate();
    EXPECT_NE(written.find("\r\n{Hello world\\par}\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\n{Ended\\par {\\*\\x hidden}\r\n}\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n{Described\\par {\\tc Entry}{\\info{\\title Title}}\r\n}\r\n"), std::string::npos);
    EXPECT_NE(written.find("{Group {\\b body}\\par}"), std::string::npos);
}

TEST_F(SRptRtfTables, AMergedTextStaysInTheReportsSectionItsSectionBreaksEndingItsParagraphs) {
    const SString source = folder.PathOf("sections.rtf");
    STestTempFolder::WriteFile(source,
                               "{\\rtf1\\ansi\\paperw8391\\paperh5953\\margl567\\landscape\\titlepg\\sectd\\lndscpsxn"
                               "\\pgwsxn8391\\pghsxn5953{\\header Merged header}{\\footerf Merged footer}One"
                               "\\sect\\sectd\\lndscpsxn Two\\par\\sect\\pgnstarts5 Three\\par}");
    // The page styles' table and a section's page style, each a destination of its own, after a
    // table that ends the header: in a text file and in a group text.
    const std::string styles =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\listoverridetable{\\listoverride\\listid1"
        "\\listoverridecount0\\ls1}}\r\n{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906"
        "\\pgdscnxt0 Default Page Style;}}\r\nIntro\\par\\formshade{\\*\\pgdscno0}\\sftnnar\\ftnbj"
        "{\\*\\ftnsep\\chftnsep}\\pard\\plain Body one\\par Body two\\par}";
    RegisterGroupText(styles);
    const SString styled = folder.PathOf("styles.rtf");
    STestTempFolder::WriteFile(styled, styles);
    for (const SString& path : {source, styled}) ASSERT_TRUE(AddTextFile(path));
    ASSERT_TRUE(AddItem<ISRptGrpText>("GRPTEXT"));
    const std::string written = Generate();
    EXPECT_NE(written.find("\r\n{One\\par Two\\par Three\\par}"), std::string::npos) << written;
    // The styles go whole, and the text after them stays; every optional destination keeps its word.
    EXPECT_EQ(Count(written, "Intro\\par\\formshade\\sftnnar\\ftnbj{\\*\\ftnsep\\chftnsep}"), 2u);
    EXPECT_EQ(Count(written, "Body one\\par Body two\\par}"), 2u);
    EXPECT_EQ(written.find("Default Page Style"), std::string::npos);
    for (size_t at = written.find("{\\*"); at != std::string::npos; at = written.find("{\\*", at + 1))
        EXPECT_EQ(written[at + 3], '\\') << written.substr(at, 20);
    // The report's one section, its own page and no header or footer of the text.
    EXPECT_EQ(Count(written, "\\sect"), 1u);
    EXPECT_EQ(Count(written, "\\paperw"), 1u);
    for (const char* gone : {"8391", "5953", "\\landscape", "\\titlepg", "Merged"})
        EXPECT_EQ(written.find(gone), std::string::npos) << gone;
}

TEST_F(SRptRtfTables, AMergedControlWordLongerThanRtfAllowsKeepsItsFirst32Letters) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzabcdefghijkl";
    const SString source = folder.PathOf("long.rtf");
    STestTempFolder::WriteFile(source, "{\\rtf1\\ansi Shown{\\*\\" + letters + "7 hidden}\\par}");
    ASSERT_TRUE(AddTextFile(source));
    const std::string written = Generate();
    EXPECT_NE(written.find("Shown{\\*\\" + letters.substr(0, 32) + "7 hidden}"), std::string::npos);
    EXPECT_EQ(written.find(letters.substr(0, 33)), std::string::npos);
}

class SRptRtfPatch : public SRptRtfTest {
protected:
    // A file written through an output that can still be patched, then made final.
    std::string Patched(const std::string& contents, const std::string& tables, bool* patched) {
        const SString path = folder.PathOf("patched.rtf");
        SOutputFile file(path);
        file.Write(contents.data(), contents.size());
        *patched = SRptRtfDevice::PatchFontTable(file, tables);
        file.Close();
        return STestTempFolder::ReadFile(path);
    }
};

TEST_F(SRptRtfPatch, AFontTableLargerThanABlockIsReplacedWholeAndTheRestMovesUp) {
    std::string fonts = "{\\fonttbl\r\n";
    for (int32_t i = 0; fonts.size() < 6000; ++i) fonts += "{\\f" + std::to_string(i) + "\\fswiss Face " + std::to_string(i) + ";}\r\n";
    fonts += "}";
    const std::string head = "{\\rtf1\\ansi\\deff0\r\n\r\n";
    std::string body = "\r\n{\\stylesheet}\r\n";
    for (int32_t i = 0; i < 3000; ++i) body += "line " + std::to_string(i) + "\\par\r\n";
    body += "}";
    bool patched = false;

    // Longer: everything after the old table moves up by the difference.
    const std::string longer = fonts.substr(0, fonts.size() - 1) + "{\\f999 Extra;}\r\n}{\\colortbl;\\red1\\green2\\blue3;}";
    EXPECT_EQ(Patched(head + fonts + body, longer, &patched), head + longer + body);
    EXPECT_TRUE(patched);
    // Shorter: blanks make up the difference, nothing of the old table's tail is left.
    const std::string shorter = "{\\fonttbl{\\f0 Arial;}}{\\colortbl;}";
    EXPECT_EQ(Patched(head + fonts + body, shorter, &patched),
              head + shorter + std::string(fonts.size() - shorter.size(), ' ') + body);
}

TEST_F(SRptRtfPatch, AFileWithoutACompleteFontTableIsLeftAsItIs) {
    bool patched = true;
    const std::string cut = "{\\rtf1\\ansi\r\n{\\fonttbl{\\f0 Arial;}" + std::string(5000, 'x');
    EXPECT_EQ(Patched(cut, "{\\fonttbl}{\\colortbl;}", &patched), cut);
    EXPECT_FALSE(patched);
    // A font table that begins beyond the first block is not looked for.
    const std::string late = "{\\rtf1 " + std::string(5000, 'y') + "{\\fonttbl{\\f0 Arial;}}}";
    EXPECT_EQ(Patched(late, "{\\fonttbl}{\\colortbl;}", &patched), late);
    EXPECT_FALSE(patched);
}
