// Lists and forms in an HTML page set: the table of a grid with its heading rows, a list cut into
// list pages with the line of links between them, and cells linked to the pages of other items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/devices/html/SRptHtmlTestFixture.h"
#include "support/SFileCompare.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptList.h"

namespace {

// The text between the end of a page's last table and its navigation bar: the list's line.
std::string NavigationLine(const std::string& page) {
    const std::string end = "</table><br />\r\n";
    const size_t start = page.rfind(end);
    const size_t bar = page.find("<p align=\"center\"><font face=\"Arial\" size=\"2\"><hr />");
    if (start == std::string::npos || bar == std::string::npos || bar < start) return "";
    return page.substr(start + end.size(), bar - start - end.size());
}

// The first cell of a data row as the list writes it.
std::string PartCell(int32_t number) {
    return "<p align=\"left\"><font face=\"Arial\" size=\"2\">\r\nPart " + std::to_string(number) + "</font>";
}

// Objects of the sample model that cells refer to.
constexpr GUID kPartsObject = MakeGUID("{0C7A31D2-6B1E-4C53-9A07-3F5B82E1D640}");
constexpr GUID kOwnerObject = MakeGUID("{5E2D9B14-7A3C-4F0E-8B61-C49D2A07E3F5}");

}  // namespace

class SRptHtmlTables : public SRptHtmlModuleTest {
protected:
    void SetUp() override {
        SRptHtmlModuleTest::SetUp();
        // One list and one form: their titles, objects and cells by the item's parameter.
        procs->begin = [](RPTPROCCONTEXT&) { return 1; };
        procs->process = [](RPTPROCCONTEXT& record) {
            record.Text2 = record.ItemParam == kListParam ? "Parts" : "Owner & co";
            record.ObjectID = record.ItemParam == kListParam ? kPartsObject : kOwnerObject;
            return 1;
        };
        procs->getValue = [this](RPTPROCCONTEXT& record) {
            switch (record.CellID) {
            case 1: record.CellText = SString("Part ") + std::to_string(record.RowCursor + 1).c_str(); break;
            case 2: record.CellText = std::to_string((record.RowCursor + 1) * 10).c_str(); break;
            case 3:
                // The second part's owner is the form's object.
                record.CellText = "Ann";
                if (record.RowCursor == 1) {
                    record.TargetItem = formItem.Get();
                    record.ObjectID = kOwnerObject;
                }
                break;
            case 21:
                record.CellText = "Ann & Co";
                record.TargetItem = listItem.Get();
                record.ObjectID = kPartsObject;
                break;
            default: break;
            }
            return S_OK;
        };
    }
    void TearDown() override {
        listItem.Clear();
        formItem.Clear();
        SRptHtmlModuleTest::TearDown();
    }
    // A list of parts with a number, a quantity and a column that is not shown.
    void RegisterList(bool withOwner = false) {
        static const RPTTABLECELLDEF cells[] = {SRptHtmlCell("Part", 1), SRptHtmlCell("Hidden", 9, false, false),
                                                SRptHtmlCell("Quantity", 2)};
        static const RPTTABLECELLDEF owned[] = {SRptHtmlCell("Part", 1), SRptHtmlCell("Owner", 3)};
        static const RPTTABLEROWDEF row = SRptHtmlRow(cells);
        static const RPTTABLEROWDEF ownedRow = SRptHtmlRow(owned);
        listItem = Register("LIST", RPT_ITEMKIND_LIST, kListParam, withOwner ? &ownedRow : &row, 1);
    }
    // A form: a heading row, a name with the module's value, a disabled row and an empty value.
    void RegisterForm() {
        static const uint32_t form = RPTTABLECELLDEF_SIZE_FORM;
        static const RPTTABLECELLDEF heading[] = {SRptHtmlCell("Field", 20, false, true, form),
                                                  SRptHtmlCell("Value", 20, false, true, form)};
        static const RPTTABLECELLDEF name[] = {SRptHtmlCell("Name", 20, false, true, form),
                                               SRptHtmlCell("", 21, true, true, form)};
        static const RPTTABLECELLDEF hidden[] = {SRptHtmlCell("Secret", 20, false, true, form)};
        static const RPTTABLECELLDEF notes[] = {SRptHtmlCell("Notes", 20, false, true, form),
                                                SRptHtmlCell("", 22, true, true, form)};
        static const RPTTABLEROWDEF rows[] = {SRptHtmlRow(heading, true), SRptHtmlRow(name),
                                              SRptHtmlRow(hidden, false, false), SRptHtmlRow(notes)};
        formItem = Register("FORM", RPT_ITEMKIND_FORM, kFormParam, rows, 4);
    }
    // The list placed in the template, its paragraphs made plain, in the contents.
    SComWrap<ISRptList> PlaceList() {
        SComWrap<ISRptList> list = AddItem<ISRptList>("LIST");
        list->PutTOCEntry(true);
        PlainPara(list.Get(), 0, 12, RPT_FONT_STYLE_BOLD);
        PlainPara(list.Get(), 1, 10, RPT_FONT_STYLE_BOLD);
        PlainPara(list.Get(), 2, 10);
        return list;
    }
    SComWrap<ISRptForm> PlaceForm() {
        SComWrap<ISRptForm> placed = AddItem<ISRptForm>("FORM");
        placed->PutTOCEntry(true);
        PlainPara(placed.Get(), 0, 12, RPT_FONT_STYLE_BOLD);
        PlainPara(placed.Get(), 1, 10, RPT_FONT_STYLE_ITALIC);
        PlainPara(placed.Get(), 2, 10);
        // A bordered label format borders the form's table.
        ParaOf(placed.Get(), 1)->PutBorder(1);
        ParaOf(placed.Get(), 1)->PutBorderWidth(35);
        return placed;
    }
    // A text, a list of `rows` parts and another text.
    void ListBetweenTexts(int32_t rows) {
        RegisterList();
        Renew();
        report->PutName("Parts");
        Text("Before");
        PlaceList();
        Text("After");
        procs->FetchRows(rows);
    }

    static constexpr int32_t kListParam = 1;
    static constexpr int32_t kFormParam = 2;
    SComWrap<ISRptItem> listItem;
    SComWrap<ISRptItem> formItem;
};

TEST_F(SRptHtmlTables, AListOf120RowsTakesFiftyRowsAPageOnThreeListPages) {
    ListBetweenTexts(120);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Repo1.htm", "Repo2.htm", "Repo2_1.htm", "Repo2_2.htm",
                                                          "Repo3.htm", "Report.htm", "btnhome.jpg", "btnnext.jpg",
                                                          "btnprev.jpg"}));
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2.htm"), "html/list_default/Repo2.htm");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2_1.htm"), "html/list_default/Repo2_1.htm");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2_2.htm"), "html/list_default/Repo2_2.htm");
    // The texts around the list are on pages of their own, which link to the list's page.
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "Before"));
    EXPECT_FALSE(Holds(Read("Repo1.htm"), "Part 1"));
    EXPECT_TRUE(Holds(Read("Repo3.htm"), "After"));
    EXPECT_TRUE(Holds(Read("Repo3.htm"), "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnprev.jpg\""));
    // The contents entry is the first slice's.
    EXPECT_TRUE(Holds(Read("Report.htm"), "<a href=\"Repo2.htm#3\">Parts</a> "));
    EXPECT_EQ(Count(Read("Report.htm"), ">Parts</a>"), 1u);
}

TEST_F(SRptHtmlTables, TenRowsAPageInGroupsOfThreeLinkTheGroupsByPreviousAndNext) {
    SetPaging("10", "3");
    ListBetweenTexts(120);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    std::vector<std::string> pages = {"Repo2.htm"};
    for (int k = 1; k < 12; ++k) pages.push_back("Repo2_" + std::to_string(k) + ".htm");
    for (const std::string& page : pages) EXPECT_TRUE(Exists(page)) << page;
    EXPECT_FALSE(Exists("Repo2_12.htm"));

    // Each slice holds its ten rows and the heading row.
    for (int k = 0; k < 12; ++k) {
        const std::string page = Read(pages[k]);
        EXPECT_EQ(Count(page, "<tr>"), 11u) << pages[k];
        EXPECT_TRUE(Holds(page, PartCell(10 * k + 1))) << pages[k];
        EXPECT_TRUE(Holds(page, PartCell(10 * k + 10))) << pages[k];
        EXPECT_FALSE(Holds(page, PartCell(10 * k + 11))) << pages[k];
        EXPECT_FALSE(Holds(page, PartCell(10 * k))) << pages[k];
        // Only the first slice's title is an anchor.
        EXPECT_EQ(Holds(page, "<a name=\"3\">Parts</a> "), k == 0) << pages[k];
    }

    EXPECT_EQ(NavigationLine(Read("Repo2.htm")),
              "0&nbsp; <a href=\"Repo2_1.htm\">1</a>&nbsp; <a href=\"Repo2_2.htm\">2</a>&nbsp; "
              "<a href=\"Repo2_3.htm\"> NEXT</a>");
    EXPECT_EQ(NavigationLine(Read("Repo2_2.htm")),
              "<a href=\"Repo2.htm\">0</a>&nbsp; <a href=\"Repo2_1.htm\">1</a>&nbsp; 2&nbsp; "
              "<a href=\"Repo2_3.htm\"> NEXT</a>");
    EXPECT_EQ(NavigationLine(Read("Repo2_4.htm")),
              "<a href=\"Repo2.htm\">PREVIOUS</a>&nbsp; <a href=\"Repo2_3.htm\">3</a>&nbsp; 4&nbsp; "
              "<a href=\"Repo2_5.htm\">5</a>&nbsp; <a href=\"Repo2_6.htm\"> NEXT</a>");
    EXPECT_EQ(NavigationLine(Read("Repo2_7.htm")),
              "<a href=\"Repo2_3.htm\">PREVIOUS</a>&nbsp; <a href=\"Repo2_6.htm\">6</a>&nbsp; 7&nbsp; "
              "<a href=\"Repo2_8.htm\">8</a>&nbsp; <a href=\"Repo2_9.htm\"> NEXT</a>");
    EXPECT_EQ(NavigationLine(Read("Repo2_11.htm")),
              "<a href=\"Repo2_6.htm\">PREVIOUS</a>&nbsp; <a href=\"Repo2_9.htm\">9</a>&nbsp; "
              "<a href=\"Repo2_10.htm\">10</a>&nbsp; 11&nbsp; ");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2_4.htm"), "html/list_paged/Repo2_4.htm");
}

TEST_F(SRptHtmlTables, PagingSettingsBelowOneTakeTheDefaultsAndListPagesAreLinkedAsUrls) {
    SetPaging("0", "-3");
    ListBetweenTexts(120);
    ASSERT_EQ(Generate(folder.PathOf("My Report.htm")), S_OK);
    EXPECT_TRUE(Exists("My R2_2.htm"));
    EXPECT_FALSE(Exists("My R2_3.htm"));
    EXPECT_EQ(NavigationLine(Read("My R2_1.htm")),
              "<a href=\"My%20R2.htm\">0</a>&nbsp; 1&nbsp; <a href=\"My%20R2_2.htm\">2</a>&nbsp; ");
}

TEST_F(SRptHtmlTables, AListShorterThanAListPageStaysOnTheRunningPage) {
    ListBetweenTexts(40);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_FALSE(Exists("Repo2.htm"));
    const std::string page = Read("Repo1.htm");
    EXPECT_EQ(Count(page, "<table width=\"100%\">"), 1u);
    EXPECT_EQ(Count(page, "<tr>"), 41u);
    // No line of links: the next item follows the table.
    EXPECT_TRUE(Holds(page, "</table><br />\r\n<p align=\"left\"><font face=\"Arial\" size=\"2\">\r\nAfter"));
    EXPECT_LT(page.find("Before"), page.find(PartCell(1)));
    EXPECT_LT(page.find(PartCell(40)), page.find("After"));
    EXPECT_FALSE(Holds(page, "btnnext.jpg"));
}

TEST_F(SRptHtmlTables, AListOfExactlyOneListPageGetsTheLabelZeroAndAPageOfItsOwn) {
    ListBetweenTexts(50);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_FALSE(Exists("Repo2_1.htm"));
    const std::string page = Read("Repo2.htm");
    EXPECT_EQ(Count(page, "<tr>"), 51u);
    EXPECT_EQ(NavigationLine(page), "0&nbsp; ");
    EXPECT_TRUE(Holds(page, "<a href=\"Repo3.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
    EXPECT_TRUE(Holds(Read("Repo3.htm"), "After"));
}

TEST_F(SRptHtmlTables, APageBreakAfterAPagedListMakesNoEmptyPage) {
    RegisterList();
    Renew();
    PlaceList();
    AddItem("PAGEBREAK");
    Text("After");
    procs->FetchRows(60);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Repo1.htm", "Repo1_1.htm", "Repo2.htm", "Report.htm",
                                                          "btnhome.jpg", "btnnext.jpg", "btnprev.jpg"}));
    EXPECT_TRUE(Holds(Read("Repo2.htm"), "After"));
    EXPECT_TRUE(Holds(Read("Repo1_1.htm"), "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
}

TEST_F(SRptHtmlTables, AListsDataRowsAreInItsTextFormatItsHeadingInItsHeadingFormat) {
    // The row that defines the list's cells is in its heading format: its cells are title cells.
    RPTTABLECELLDEF cells[] = {SRptHtmlCell("Part", 1)};
    cells[0].Title = 1;
    const RPTTABLEROWDEF row = SRptHtmlRow(cells);
    listItem = Register("LIST", RPT_ITEMKIND_LIST, kListParam, &row, 1);
    Renew();
    SComWrap<ISRptList> list = PlaceList();
    ParaOf(list.Get(), 1)->PutAlignment(4);
    ParaOf(list.Get(), 1)->PutFontStyle(RPT_FONT_STYLE_ITALIC);
    ParaOf(list.Get(), 2)->PutAlignment(2);
    procs->FetchRows(1);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::string page = Read("Repo1.htm");
    EXPECT_TRUE(Holds(page, "<td>\r\n<p align=\"center\"><font face=\"Arial\" size=\"2\">\r\n<i>Part</i></font>"));
    EXPECT_TRUE(Holds(page, "<td>\r\n<p align=\"right\"><font face=\"Arial\" size=\"2\">\r\nPart 1</font>"));
}

TEST_F(SRptHtmlTables, AListWithoutRowsWritesNothingNotEvenItsTitle) {
    ListBetweenTexts(0);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::string page = Read("Repo1.htm");
    EXPECT_FALSE(Holds(page, "<table"));
    EXPECT_FALSE(Holds(page, "Parts</a>"));
    EXPECT_FALSE(Holds(page, "<a name="));
    EXPECT_TRUE(Holds(page, "After"));
    // Without an item or a node the writers refuse.
    EXPECT_EQ(html->WriteList(nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(html->WriteForm(nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(html->WriteTable(nullptr, nullptr, 0, 50), E_INVALIDARG);
}

TEST_F(SRptHtmlTables, CellsLinkToThePageAndAnchorOfTheNodeThatPresentsTheirObject) {
    RegisterList(true);
    RegisterForm();
    Renew();
    report->PutName("Owners");
    PlaceList();
    AddItem("PAGEBREAK");
    PlaceForm();
    procs->FetchRows(3);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    // The list (node 2) is on page 1, the form (node 4, after the page break) on page 2.
    EXPECT_FILE_MATCHES(folder.PathOf("Repo1.htm"), "html/linked_tables/Repo1.htm");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2.htm"), "html/linked_tables/Repo2.htm");
    const std::string list = Read("Repo1.htm");
    const std::string form = Read("Repo2.htm");
    EXPECT_EQ(Count(list, "<a href=\"Repo2.htm#4\">Ann</a>"), 1u);
    EXPECT_TRUE(Holds(form, "<a name=\"4\">Owner &amp; co</a> "));
    EXPECT_TRUE(Holds(form, "<a href=\"Repo1.htm#2\">Ann &amp; Co</a>"));
    EXPECT_TRUE(Holds(list, "<a name=\"2\">Parts</a> "));
    // The disabled row is left out, the empty value is a blank cell.
    EXPECT_FALSE(Holds(form, "Secret"));
    EXPECT_EQ(Count(form, "<tr>"), 3u);
    EXPECT_TRUE(Holds(form, "&nbsp; </font>"));
}
