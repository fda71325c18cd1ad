// Lists laid out across pages: the heading row repeated at the top of every page the list
// continues on, rows that move whole or break, and rows, heading rows and lines taller than a
// page, each of which ends with every line printed once.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/repo/SRepClassColPtr.h"
#include "SRptPrintTestFixture.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptTableDef.h"

namespace {

// "<prefix> 007" for 7.
std::string Line(const char* prefix, int32_t number) {
    char line[32];
    std::snprintf(line, sizeof line, "%s %03d", prefix, static_cast<int>(number));
    return line;
}

// "<prefix> 001" to "<prefix> <count>", one a line.
std::string Lines(const char* prefix, int32_t count) {
    std::string text;
    for (int32_t i = 1; i <= count; ++i) text += (i > 1 ? "\r\n" : "") + Line(prefix, i);
    return text;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

class SRptTablePaginationTest : public SRptPrintTest {
protected:
    void SetUp() override {
        SRptPrintTest::SetUp();
        report->PutHasFirstPage(false);
    }

    // A new report whose module offers a list headed "Name" and `heading`, with one data row per
    // description: the row's name "Item <n>" and the description.
    void RegisterList(const std::vector<std::string>& descriptions, bool rowBreak = false,
                      const std::string& heading = "Description") {
        RPTTABLECELLDEF cells[2];
        const char* texts[] = {"Name", heading.c_str()};
        for (int32_t i = 0; i < 2; ++i) {
            cells[i].Size = RPTTABLECELLDEF_SIZE_LIST;
            cells[i].DefaultText = texts[i];
            cells[i].CellID = i + 1;
            cells[i].Width = static_cast<int16_t>(i == 0 ? 3000 : 10000);
            cells[i].Enabled = 1;
        }
        RPTTABLEROWDEF row;
        row.Enabled = 1;
        row.SpBetweenCells = 100;
        row.RowBreak = rowBreak ? 1 : 0;
        row.NbCells = 2;
        row.Cells = cells;
        procs.Reset(new STestModuleProcs);
        procs->begin = [](RPTPROCCONTEXT&) { return 2; };
        procs->FetchRows(static_cast<int32_t>(descriptions.size()));
        procs->getValue = [descriptions](RPTPROCCONTEXT& record) {
            const auto index = static_cast<size_t>(record.RowCursor);
            record.CellText = record.CellID == 1 ? SString(("Item " + std::to_string(index + 1)).c_str())
                                                 : SString(descriptions[index].c_str());
            return S_OK;
        };
        m_listId = "LIST" + std::to_string(registered.size() + 1);
        RPTUSRITEMDEF def;
        def.ModuleID = "Sales";
        def.ItemID = m_listId.c_str();
        def.Label = m_listId.c_str();
        def.Kind = RPT_ITEMKIND_LIST;
        def.DefaultTitle = "Entities";
        def.UserProcs = procs->AsUnknown();
        def.Table.NbRows = 1;
        def.Table.Rows = &row;
        SComWrap<ISRptItem> item;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK);
        registered.push_back(item);
        RenewReport();
        report->PutHasFirstPage(false);
        m_rowBreak = rowBreak;
    }
    // The list registered last, placed at the end of the template.
    SComWrap<ISRptList> AddList() {
        SComWrap<ISRptList> list = AddItem<ISRptList>(m_listId.c_str());
        // The row as the template holds it says whether it breaks.
        SComWrap<ISRptTableRow> row;
        row = list->Rows().Item(0);
        EXPECT_TRUE(row);
        if (row) row->PutRowBreak(m_rowBreak);
        return list;
    }
    SComWrap<ISRptList> PlaceList(const std::vector<std::string>& descriptions, bool rowBreak = false,
                                  const std::string& heading = "Description") {
        RegisterList(descriptions, rowBreak, heading);
        return AddList();
    }
    // Every paragraph of the list's rows, those of the list and those of its cells, with
    // `spBefore` above its first line; the title keeps its own.
    static void PutSpaceBefore(ISRptList* list, int32_t spBefore) {
        SComWrap<ISRptParaContainer> container;
        container = list;
        const int32_t paragraphs = container->Paragraphs().GetCount();
        for (int32_t i = 1; i < paragraphs; ++i) ParaOf(list, i)->PutSpBefore(spBefore);
        SComWrap<ISRptTableRow> row;
        row = list->Rows().Item(0);
        SRepClassColPtr cells = row->Cells();
        for (int32_t i = 0; i < cells.GetCount(); ++i) {
            SComWrap<ISRptTableCell> cell;
            cell = cells.Item(i);
            SComWrap<ISRptPara> para;
            ASSERT_EQ(cell->GetPara(&para), S_OK);
            para->PutSpBefore(spBefore);
        }
    }

    // The texts of every page, page after page.
    std::vector<std::string> AllPages() {
        std::vector<std::string> pages;
        for (int32_t page = 1; page <= shell->GetLayer()->GetPageCount(); ++page) pages.push_back(PageText(page));
        return pages;
    }
    // How many times `text` is drawn as a line of its own over all pages.
    static size_t Printed(const std::vector<std::string>& pages, const std::string& text) {
        size_t count = 0;
        for (const std::string& page : pages) count += Count("|" + page, "|" + text + "|");
        return count;
    }
    // Every line "<prefix> 001" to "<prefix> <count>" is printed exactly once, in order over the
    // pages.
    static void ExpectEveryLineOnce(const std::vector<std::string>& pages, const char* prefix, int32_t count) {
        std::string all;
        for (const std::string& page : pages) all += page;
        size_t last = 0;
        for (int32_t i = 1; i <= count; ++i) {
            const std::string line = Line(prefix, i);
            EXPECT_EQ(Printed(pages, line), 1u) << line;
            const size_t at = all.find("|" + line + "|");
            if (at != std::string::npos) {
                EXPECT_GE(at, last) << line << " out of order";
                last = at;
            }
        }
    }
    // The heading row comes before anything of the data rows on the page.
    static bool HeadedByTheHeadingRow(const std::string& page, const std::string& heading = "Description") {
        const size_t headingRow = page.find("Name|" + heading + "|");
        const size_t item = page.find("Item ");
        const size_t line = page.find("Line ");
        return headingRow != std::string::npos && (item == std::string::npos || headingRow < item) &&
               (line == std::string::npos || headingRow < line);
    }

    std::string m_listId;
    bool m_rowBreak = false;
};

}  // namespace

TEST_F(SRptTablePaginationTest, ARowLongerThanTwoPagesContinuesBelowTheHeadingRowRepeatedOnEachPage) {
    for (const bool rowBreak : {false, true}) {
        SCOPED_TRACE(rowBreak ? "row may break" : "row kept together");
        PlaceList({Lines("Line", 120)}, rowBreak);
        SRptPhysicalLayer* layer = Preview();
        ASSERT_TRUE(layer);
        ASSERT_GE(layer->GetPageCount(), 3);
        const std::vector<std::string> pages = AllPages();
        ExpectEveryLineOnce(pages, "Line", 120);
        EXPECT_EQ(Printed(pages, "Item 1"), 1u);
        // The list started page 1: the row begins there.
        EXPECT_NE(pages[0].find("|Line 001|"), std::string::npos);
        for (size_t page = 0; page < pages.size(); ++page) {
            EXPECT_TRUE(HeadedByTheHeadingRow(pages[page])) << "page " << page + 1;
            EXPECT_NE(pages[page].find("Line "), std::string::npos) << "page " << page + 1;
        }
    }
}

TEST_F(SRptTablePaginationTest, EveryPageOfAListOfManyRowsStartsWithTheHeadingRowAndEachRowPrintsOnce) {
    std::vector<std::string> descriptions;
    for (int32_t i = 1; i <= 150; ++i) descriptions.push_back(Line("Line", i));
    PlaceList(descriptions);
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    ASSERT_GE(layer->GetPageCount(), 2);
    const std::vector<std::string> pages = AllPages();
    ExpectEveryLineOnce(pages, "Line", 150);
    for (size_t page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(HeadedByTheHeadingRow(pages[page])) << "page " << page + 1;
        EXPECT_EQ(Count(pages[page], "Name|Description|"), 1u) << "page " << page + 1;
    }
}

TEST_F(SRptTablePaginationTest, ARowThatDoesNotFitBelowAnItemMovesWholeUnlessItMayBreak) {
    for (const bool rowBreak : {false, true}) {
        SCOPED_TRACE(rowBreak ? "row may break" : "row kept together");
        RegisterList({Lines("Line", 30)}, rowBreak);
        // A text leaves the list a few centimetres of page 1.
        AddText(Lines("Text", 40).c_str());
        AddList();
        SRptPhysicalLayer* layer = Preview();
        ASSERT_TRUE(layer);
        const std::vector<std::string> pages = AllPages();
        ASSERT_EQ(pages.size(), 2u);
        ExpectEveryLineOnce(pages, "Text", 40);
        ExpectEveryLineOnce(pages, "Line", 30);
        if (rowBreak) {
            EXPECT_NE(pages[0].find("|Line 001|"), std::string::npos);
            EXPECT_EQ(pages[1].find("|Line 001|"), std::string::npos);
        } else {
            EXPECT_EQ(pages[0].find("Line "), std::string::npos);
            EXPECT_NE(pages[1].find("|Line 001|"), std::string::npos);
        }
        EXPECT_TRUE(HeadedByTheHeadingRow(pages[1]));
    }
}

TEST_F(SRptTablePaginationTest, AHeadingRowTallerThanThePageIsPrintedOnceAcrossPagesAndTheRowsFollow) {
    PlaceList({Lines("Line", 3), "Other"}, false, Lines("Head", 120));
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    ASSERT_GE(layer->GetPageCount(), 3);
    const std::vector<std::string> pages = AllPages();
    ExpectEveryLineOnce(pages, "Head", 120);
    ExpectEveryLineOnce(pages, "Line", 3);
    EXPECT_EQ(Printed(pages, "Item 1"), 1u);
    EXPECT_EQ(Printed(pages, "Item 2"), 1u);
    EXPECT_EQ(Printed(pages, "Other"), 1u);
    // Too tall to head each page, the heading row is not repeated.
    EXPECT_EQ(Printed(pages, "Name"), 1u);
}

TEST_F(SRptTablePaginationTest, LinesTallerThanThePageBodyEachTakeTheTopOfAPage) {
    SComWrap<ISRptList> list = PlaceList({"Alpha", "Beta"});
    // Each line of the heading row and of the data rows is taller than the page's body.
    PutSpaceBefore(list.Get(), 32000);
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    const std::vector<std::string> pages = AllPages();
    for (const char* text : {"Item 1", "Alpha", "Item 2", "Beta"}) EXPECT_EQ(Printed(pages, text), 1u) << text;
    EXPECT_GE(Printed(pages, "Name"), 1u);
    // At most a page for the title and one for each row.
    EXPECT_LE(pages.size(), 4u);
}
