// The drawables of a laid-out page, drawn on a recording printer whose logical units are its dots.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>
#include <vector>

#include "rpt/devices/graphics/SRptGraphic.h"
#include "rpt/devices/print/SRptDrawablePicture.h"
#include "rpt/devices/print/SRptDrawableTable.h"
#include "rpt/devices/print/SRptPageElementPicture.h"
#include "rpt/devices/print/SRptPageElementTable.h"
#include "rpt/devices/print/SRptPhysicalItemText.h"
#include "SRptPrintTestFixture.h"

namespace {

class SRptPhysicalDrawablesTest : public SRptPrintTest {
protected:
    void SetUp() override {
        SRptPrintTest::SetUp();
        dc = std::make_unique<SDC>(std::make_unique<SRecordingPrinter>());
        printer = static_cast<SRecordingPrinter*>(dc->GetBackEnd());
        dc->SetMapMode(MM_HIMETRIC);
        dc->SetMapMode(MM_ANISOTROPIC);
        dc->SetViewportExt(dc->GetViewportExt().cx, -dc->GetViewportExt().cy);
        para = ParaOf(AddText("unused").Get(), 0);
    }
    void TearDown() override {
        para.Clear();
        dc.reset();
        SRptPrintTest::TearDown();
    }
    static STable<RPTTABSEGMENT> Runs(std::initializer_list<RPTTABSEGMENT> runs) {
        STable<RPTTABSEGMENT> table;
        for (const RPTTABSEGMENT& run : runs) table.Add(run);
        return table;
    }

    std::unique_ptr<SDC> dc;
    SRecordingPrinter* printer = nullptr;
    SComWrap<ISRptPara> para;
};

// A picture that is neither a metafile nor a bitmap.
class SOtherPicture : public SRptGraphic {
public:
    void Lock(const SSize&) override {}
    int32_t LoadFile(const SString&, SDC*) override { return 0; }
    uint32_t GetBits(uint32_t, unsigned char*) override { return 0; }
    SSize GetSize() override { return SSize{100, 100}; }
    int32_t GetFormat() override { return 3; }
    int32_t GetBitmap(BITMAP*) override { return 0; }
};

}  // namespace

TEST_F(SRptPhysicalDrawablesTest, ALineKeepsItsOwnCopyOfTheRuns) {
    SRptParagraphLines block(para.Get());
    STable<RPTTABSEGMENT> runs = Runs({{0, 300, 3}, {1000, 1300, 3}});
    ASSERT_EQ(block.AddLine("one\ttwo", SIZE{5000, 500}, RECT{100, 20, 1300, 520}, 0, 0, runs), S_OK);
    runs.RemoveAll();
    runs.Add(RPTTABSEGMENT{7, 7, 7});
    const SRptTextLine& line = *block.GetLines().front();
    ASSERT_EQ(line.GetRuns().size(), 2u);
    EXPECT_EQ(line.GetRuns()[1], (RPTTABSEGMENT{1000, 1300, 3}));
    // Box from the text rectangle, below what the block held; the block grows by the line size.
    EXPECT_EQ(line.GetX(), 100);
    EXPECT_EQ(line.GetY(), 20);
    EXPECT_EQ(line.GetWidth(), 1200);
    EXPECT_EQ(line.GetHeight(), 500);
    ASSERT_EQ(block.AddLine("three", SIZE{4000, 400}, RECT{0, 0, 900, 400}, 0, 0, Runs({{0, 900, 5}})), S_OK);
    EXPECT_EQ(block.GetLines()[1]->GetY(), 500);
    EXPECT_EQ(block.GetWidth(), 5000);
    EXPECT_EQ(block.GetHeight(), 900);
}

TEST_F(SRptPhysicalDrawablesTest, RunsAreDrawnAtTheirStartsAndOnlyTheLastIsJustified) {
    SRptParagraphLines block(para.Get());
    // Two runs; the second has two blanks to spread 20 units over.
    block.AddLine("ab\tc d e", SIZE{9000, 500}, RECT{0, 0, 9000, 500}, 20, 2, Runs({{0, 200, 2}, {3000, 3500, 5}}));
    ASSERT_EQ(block.Draw(dc.get(), POINT{1000, 2000}), S_OK);
    // The first run in one output, the justified one word by word.
    ASSERT_EQ(printer->texts.size(), 4u);
    EXPECT_EQ(printer->texts[0], "ab");
    EXPECT_EQ(printer->texts[1], "c ");
    EXPECT_EQ(printer->texts[2], "d ");
    EXPECT_EQ(printer->texts[3], "e");
}

TEST_F(SRptPhysicalDrawablesTest, TheClipLiesATenthAndFourHundredUnitsBeyondTheLine) {
    SRptTextLine line(0, 0, 1000, 500, "x", 0, 0, {{0, 10, 1}});
    EXPECT_EQ(line.ClipRect(200, 300), (RECT{200, 300, 200 + 1100 + 400, 800}));
}

TEST_F(SRptPhysicalDrawablesTest, FilledTabsGetDotsOnlyWhereADotFits) {
    para->PutFillTabs(true);
    SRptParagraphLines block(para.Get());
    block.AddLine("a\tb", SIZE{9000, 500}, RECT{0, 0, 9000, 500}, 0, 0, Runs({{0, 100, 1}, {5000, 5100, 1}}));
    block.AddLine("a\tb", SIZE{9000, 500}, RECT{0, 0, 9000, 500}, 0, 0, Runs({{0, 100, 1}, {101, 201, 1}}));
    ASSERT_EQ(block.Draw(dc.get(), POINT{0, 0}), S_OK);
    // First line: a, dots, b; second line: a, b (a gap of one unit holds no dot).
    ASSERT_EQ(printer->texts.size(), 5u);
    EXPECT_EQ(printer->texts[1].find_first_not_of('.'), std::string::npos);
    EXPECT_FALSE(printer->texts[1].empty());
    EXPECT_EQ(printer->texts[3], "a");
    EXPECT_EQ(printer->texts[4], "b");
}

TEST_F(SRptPhysicalDrawablesTest, NothingIsDrawnOnANullContext) {
    SRptParagraphLines block(para.Get());
    block.AddLine("x", SIZE{100, 100}, RECT{0, 0, 100, 100}, 0, 0, Runs({{0, 100, 1}}));
    EXPECT_EQ(block.Draw(nullptr, POINT{0, 0}), E_INVALIDARG);
    SRptPageElementPicture element(nullptr, nullptr, POINT{10, 10});
    EXPECT_EQ(element.Draw(nullptr), E_INVALIDARG);
    // Without a drawable the element draws nothing and says so.
    EXPECT_EQ(element.Draw(dc.get()), S_FALSE);
    ASSERT_EQ(element.CreateDrawable(), S_OK);
    element.UpdateExtent();
    EXPECT_EQ(element.GetRect(), (RECT{10, 10, 10, 10}));
}

TEST_F(SRptPhysicalDrawablesTest, APictureOfAnotherFormatDrawsNothingAndLeavesTheClip) {
    SOtherPicture picture;
    SRptDrawablePicture drawable(nullptr);
    drawable.SetPicture(&picture, 100, 100, RECT{0, 0, 100, 100});
    const POINT origin{50, 50};
    EXPECT_EQ(drawable.Draw(dc.get(), &origin), S_OK);
    EXPECT_TRUE(printer->texts.empty());
    EXPECT_FALSE(dc->GetDeviceClip().has_value());
    SIZE size{};
    drawable.GetSize(&size);
    EXPECT_EQ(size, (SIZE{100, 100}));
}

TEST_F(SRptPhysicalDrawablesTest, ATableShowsItsHeadingOnlyInItsItemsFirstElement) {
    SRptPhysicalItemText item(nullptr, nullptr, nullptr);
    SRptPageElementTable first(nullptr, &item, POINT{0, 0});
    SRptPageElementTable second(nullptr, &item, POINT{0, 0});
    item.LinkElement(&first);
    item.LinkElement(&second);
    for (SRptPageElementTable* element : {&first, &second}) {
        auto* table = new SRptDrawableTable(element, para.Get());
        table->GetHeading().AddLine("Heading", SIZE{3000, 400}, RECT{0, 0, 3000, 400}, 0, 0, Runs({{0, 3000, 7}}));
        ASSERT_EQ(table->AddRow(0), S_OK);
        ASSERT_EQ(table->AddCell(para.Get(), 1000, 0, 0), S_OK);
        ASSERT_EQ(table->AddCellLine(0, 0, "cell", SIZE{1000, 300}, RECT{0, 0, 400, 300}, 0, 0, Runs({{0, 400, 4}})),
                  S_OK);
        EXPECT_EQ(table->AddCellLine(0, 1, "none", SIZE{1000, 300}, RECT{}, 0, 0, Runs({})), E_INVALIDARG);
        SIZE size{};
        table->GetSize(&size);
        EXPECT_EQ(size.cy, element == &first ? 700 : 300);
        const POINT origin{0, 0};
        table->Draw(dc.get(), &origin);
        delete table;
    }
    ASSERT_EQ(printer->texts.size(), 3u);
    EXPECT_EQ(printer->texts[0], "Heading");
    EXPECT_EQ(printer->texts[1], "cell");
    EXPECT_EQ(printer->texts[2], "cell");
    item.UnlinkElement(&first);
    item.UnlinkElement(&second);
}

TEST_F(SRptPhysicalDrawablesTest, AdjacentRowsShareTheirBorderLine) {
    para->PutBorder(0x0F);
    para->PutBorderWidth(20);
    para->PutBox(false);
    SRptDrawableTable table(nullptr, para.Get());
    for (int32_t row = 0; row < 2; ++row) {
        ASSERT_EQ(table.AddRow(100), S_OK);
        ASSERT_EQ(table.AddCell(para.Get(), 1000, 0x0F, 20), S_OK);
        table.AddCellLine(row, 0, "r", SIZE{1000, 300}, RECT{0, 0, 100, 300}, 0, 0, Runs({{0, 100, 1}}));
    }
    // Each row: 300 of text between two lines of 20; the second starts on the first's bottom line.
    EXPECT_EQ(table.GetRowHeight(0), 340);
    SIZE size{};
    table.GetSize(&size);
    EXPECT_EQ(size.cy, 340 + 340 - 20);
    // The cells' text keeps clear of the borders: half the row spacing each side.
    EXPECT_EQ(table.GetRow(0)->GetCell(0)->GetOuterWidth(), 1100);
}

TEST_F(SRptPhysicalDrawablesTest, OnAPrintedPageEachCellsEdgesAreOneLineAndASharedEdgeIsDrawnOnce) {
    // Two rows of two cells, each cell bordered all round and boxed with a pen as wide: the box
    // edges lie on the borders, and neighbouring cells share their edges.
    para->PutBorder(0x0F);
    para->PutBorderWidth(20);
    para->PutBox(true);
    para->PutBoxWidth(20);
    // The table's heading in a paragraph of its own, without a border.
    SComWrap<ISRptPara> heading = ParaOf(AddText("heading").Get(), 0);
    SRptDrawableTable table(nullptr, heading.Get());
    for (int32_t row = 0; row < 2; ++row) {
        ASSERT_EQ(table.AddRow(100), S_OK);
        for (int32_t column = 0; column < 2; ++column) {
            ASSERT_EQ(table.AddCell(para.Get(), 1000, 0x0F, 20), S_OK);
            table.AddCellLine(row, column, "r", SIZE{1000, 300}, RECT{0, 0, 100, 300}, 0, 0, Runs({{0, 100, 1}}));
        }
    }
    // The edges drawn, each from its lower end, by the lines that draw them.
    auto edges = [&](bool printing) {
        printer->shapes.clear();
        dc->SetPrinting(printing);
        const POINT origin{0, 0};
        table.Draw(dc.get(), &origin);
        std::vector<std::vector<std::pair<POINT, POINT>>> lines;
        for (const SShape& shape : printer->shapes) {
            std::vector<std::pair<POINT, POINT>> line;
            for (const auto& [first, end] : shape.Parts()) {
                if (end - first != 2) continue;
                POINT a = shape.points[first];
                POINT b = shape.points[first + 1];
                if (std::make_pair(b.x, b.y) < std::make_pair(a.x, a.y)) std::swap(a, b);
                line.emplace_back(a, b);
            }
            lines.push_back(line);
        }
        return lines;
    };
    auto count = [](const std::vector<std::vector<std::pair<POINT, POINT>>>& lines) {
        size_t edges = 0;
        std::set<std::array<int32_t, 4>> distinct;
        for (const auto& line : lines)
            for (const auto& [a, b] : line) {
                ++edges;
                distinct.insert({a.x, a.y, b.x, b.y});
            }
        return std::make_pair(edges, distinct.size());
    };
    // 2 x 3 horizontal and 3 x 2 vertical edges make the grid.
    const auto printed = edges(true);
    EXPECT_EQ(count(printed), std::make_pair(size_t{12}, size_t{12}));
    // One line a cell: the first draws its four edges, each other cell only those left to draw.
    ASSERT_EQ(printed.size(), 4u);
    EXPECT_EQ(printed[0].size(), 4u);
    EXPECT_EQ(printed[1].size(), 3u);
    EXPECT_EQ(printed[2].size(), 3u);
    EXPECT_EQ(printed[3].size(), 2u);
    // On screen each cell still paints every edge of its border and of its box.
    const auto shown = edges(false);
    EXPECT_EQ(count(shown).second, size_t{12});
    EXPECT_GT(count(shown).first, size_t{12});
    dc->SetPrinting(false);
}
