// The report laid out on pages: frames, the flow of items over pages, page breaks, the title
// page, the contents' page numbers and the page numbers of headers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi/SDC.h"
#include "rpt/devices/print/SRptDrawableTable.h"
#include "rpt/devices/print/SRptPageElement.h"
#include "rpt/devices/print/SRptPhysicalItemPageBreak.h"
#include "rpt/devices/print/SRptPhysicalItemTblCts.h"
#include "SRptPrintTestFixture.h"
#include "support/STestPictureLimit.h"
#include "support/STestTextForms.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptTitle.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/RptTableDef.h"

namespace {

class SRptPaginationTest : public SRptPrintTest {
protected:
    void SetUp() override {
        SRptPrintTest::SetUp();
        report->PutHasFirstPage(false);
    }
    // The number of the page that shows a report item first: 0 when it shows nowhere, -1 when
    // the layout has no physical item for it.
    // Whether `text` holds `entry` and ends with `end` after it.
    static bool EndsWith(const std::string& text, const std::string& entry, const std::string& end) {
        const size_t at = text.find(entry);
        return at != std::string::npos && text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0 && at < text.size() - end.size();
    }
    int32_t Page(IUnknown* item) {
        const IUnknown* wanted = Identity(item);
        for (const auto& physical : shell->GetLayer()->GetItems())
            if (Identity(physical->GetGenerationNode()->GetItem()) == wanted)
                return physical->GetPage() ? physical->GetPage()->GetPageNumber() : 0;
        return -1;
    }
    static const IUnknown* Identity(IUnknown* item) {
        SComWrap<IUnknown> unknown;
        if (item) unknown = item;
        return unknown.Get();
    }
    // The physical item made for a report item, or null.
    SRptPhysicalItem* Physical(IUnknown* item) {
        const IUnknown* wanted = Identity(item);
        for (const auto& physical : shell->GetLayer()->GetItems())
            if (Identity(physical->GetGenerationNode()->GetItem()) == wanted) return physical.get();
        return nullptr;
    }
    // What one layout of `item` on page 1 does with a fresh element, in a room of `width` by
    // `height` that is all free.
    struct SPlacement {
        HRESULT result = E_FAIL;
        int32_t status = 0;
        bool placed = false;
    };
    SPlacement LayOut(SRptPhysicalItem* item, int32_t width, int32_t height) {
        SRptPhysicalPage* page = shell->GetLayer()->GetPage(1);
        std::unique_ptr<SRptPageElement> element;
        EXPECT_EQ(item->CreateElement(page, &element), S_OK);
        SPlacement placement;
        if (!element) return placement;
        placement.result = item->Layout(page, width, height, height, element.get(), &placement.status);
        placement.placed = element->GetDrawable() != nullptr;
        return placement;
    }
    // A layout that placed nothing and completed the item.
    static void ExpectNothingPlaced(const SPlacement& placement, const std::string& room) {
        EXPECT_EQ(placement.result, S_FALSE) << room;
        EXPECT_EQ(placement.status, RPTLAYOUT_DONE) << room;
        EXPECT_FALSE(placement.placed) << room;
    }
    static std::string Room(const int32_t (&room)[2]) {
        return std::to_string(room[0]) + " by " + std::to_string(room[1]);
    }
    // The rooms without any area: no width, no height, or less than none.
    static constexpr int32_t kNoRoom[][2] = {{0, 20000}, {17000, 0}, {-1, 20000}, {17000, -500}};
};

}  // namespace

TEST_F(SRptPaginationTest, ItemsFlowOntoPageOneAndAPageBreakOpensTheNext) {
    auto first = AddText("First");
    auto second = AddText("Second");
    AddItem("PAGEBREAK");
    auto third = AddText("Third");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    EXPECT_EQ(shell->handed, 1);
    ASSERT_EQ(layer->GetPageCount(), 2);
    EXPECT_EQ(layer->GetPages()[0]->GetPageNumber(), 1);
    EXPECT_EQ(layer->GetPages()[1]->GetPageNumber(), 2);
    EXPECT_EQ(Page(first.Get()), 1);
    EXPECT_EQ(Page(second.Get()), 1);
    EXPECT_EQ(Page(third.Get()), 2);
    EXPECT_NE(PageText(1).find("First|Second|"), std::string::npos);
    EXPECT_EQ(PageText(1).find("Third"), std::string::npos);
    EXPECT_NE(PageText(2).find("Third|"), std::string::npos);
    // The second item starts one unit below the first.
    const auto& elements = layer->GetPages()[0]->GetElements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[1]->GetOrigin().y, elements[0]->GetBottom() + 1);
    EXPECT_EQ(elements[0]->GetOrigin().y, layer->GetPages()[0]->GetUsableRect().top);
    // A preview run keeps its pages after the run: the abort words are clear.
    EXPECT_FALSE(shell->GetPreviewDevice()->IsAborted());
}

TEST_F(SRptPaginationTest, WithoutATitlePageTheFirstTemplatePlacesNothing) {
    AddText("Only");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 1);
    // The template's item and the text: only the text has an element.
    ASSERT_EQ(layer->GetPages()[0]->GetElements().size(), 1u);
    EXPECT_EQ(layer->GetItems().front()->GetElements().size(), 0u);
    EXPECT_TRUE(layer->GetPages()[0]->GetHeaderElement());
    EXPECT_TRUE(layer->GetPages()[0]->GetFooterElement());
}

TEST_F(SRptPaginationTest, ATitlePageComesFirstWithoutHeaderAndTheItemsFollowOnPageTwo) {
    report->PutHasFirstPage(true);
    report->PutHasFirstPageTitle(true);
    report->PutFirstPageTitle("Annual figures");
    auto text = AddText("Body");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    EXPECT_FALSE(layer->GetPages()[0]->GetHeaderElement());
    EXPECT_NE(PageText(1).find("Annual figures"), std::string::npos);
    EXPECT_EQ(Page(text.Get()), 2);
    EXPECT_TRUE(layer->GetPages()[1]->GetHeaderElement());
}

TEST_F(SRptPaginationTest, ALineTallerThanThePageIsPlacedOnAnEmptyPageAndTheNextItemFollows) {
    auto tall = AddText("Tall");
    ParaOf(tall.Get(), 0)->PutSpBefore(32000);
    auto after = AddText("After");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->GetPageCount(), 2);
    EXPECT_EQ(Page(tall.Get()), 1);
    EXPECT_EQ(Page(after.Get()), 2);
}

TEST_F(SRptPaginationTest, TextFilesOfEveryEncodingPrintTheSameText) {
    std::vector<STestTextForm> forms = STestTextForms();
    forms.push_back({"RTF of 8-bit text", kTestRawRtf});
    for (size_t i = 0; i < forms.size(); ++i) {
        const SString path = folder.PathOf(("notes" + std::to_string(i) + ".txt").c_str());
        STestTempFolder::WriteFile(path, forms[i].bytes);
        ASSERT_TRUE(AddTextFile(path));
    }
    ASSERT_TRUE(Preview());
    const std::string printed = PageText(1);
    size_t count = 0;
    for (size_t at = printed.find(kTestFormText + "|"); at != std::string::npos;
         at = printed.find(kTestFormText + "|", at + 1))
        ++count;
    EXPECT_EQ(count, forms.size()) << printed;
}

TEST_F(SRptPaginationTest, RtfTextFilesPrintTheTextReadersShowUpToTheirDocumentsEnd) {
    const SString path = folder.PathOf("notes.rtf");
    STestTempFolder::WriteFile(path, "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}after\r\n");
    ASSERT_TRUE(AddTextFile(path));
    // RTF's own characters, the cells of a table on a line a row, no hidden text.
    const SString table = folder.PathOf("table.rtf");
    STestTempFolder::WriteFile(table,
                               "{\\rtf1\\ansi It\\rquote s\\emdash{\\v hidden}\\par"
                               "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A1\\cell B1\\cell\\row"
                               "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A2\\cell B2\\cell\\row\\pard After\\par}");
    ASSERT_TRUE(AddTextFile(table));
    // "😀" as a pair with a count of fallback characters between its halves, and binary data
    // after a UTF-8 mark, which is data still.
    const SString marked = folder.PathOf("marked.rtf");
    STestTempFolder::WriteFile(marked,
                               std::string("\xEF\xBB\xBF{\\rtf1\\ansi A \\uc0 \\u55357\\uc1 \\u56832\\'3f B\\par "
                                           "Before{\\*\\blob\\bin6 ab") +
                                   '\0' + '\0' + "cd} kept\\par Next\\par}");
    ASSERT_TRUE(AddTextFile(marked));
    ASSERT_TRUE(Preview());
    const std::string printed = PageText(1);
    EXPECT_NE(printed.find("|A \xF0\x9F\x98\x80 B|Before kept|Next|"), std::string::npos) << printed;
    EXPECT_NE(printed.find("|\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82|"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("after"), std::string::npos) << printed;
    EXPECT_NE(printed.find("|It\xE2\x80\x99s\xE2\x80\x94|A1|B1|A2|B2|After|"), std::string::npos) << printed;
}

TEST_F(SRptPaginationTest, ATextFileThatCannotBeReadPrintsThatItIsNotFound) {
    const SString pipe = folder.PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const SString directory = folder.PathOf("folder");
    std::filesystem::create_directory(directory.c_str());
    // Placed on a file, then pointed at what is none.
    const SString placed = folder.PathOf("placed.txt");
    STestTempFolder::WriteFile(placed, "placed");
    for (const SString& path : {pipe, directory}) {
        SComWrap<ISRptTextFile> file = AddTextFile(placed);
        ASSERT_TRUE(file);
        file->PutAbsPath(path);
    }
    ASSERT_TRUE(Preview());
    // The long paths break over lines: the text is read without the breaks.
    std::string printed = PageText(1);
    printed.erase(std::remove(printed.begin(), printed.end(), '|'), printed.end());
    for (const SString& path : {pipe, directory})
        EXPECT_NE(printed.find("File '" + path.str() + "' not found."), std::string::npos) << printed;
}

TEST_F(SRptPaginationTest, AListsDataRowsArePrintedInItsTextFormatItsHeadingInItsHeadingFormat) {
    // The row that defines the list's cells is in its heading format: its cells are title cells.
    RPTTABLECELLDEF cells[2];
    for (int32_t id : {1, 2}) {
        RPTTABLECELLDEF& cell = cells[id - 1];
        cell.Size = RPTTABLECELLDEF_SIZE_LIST;
        cell.DefaultText = id == 1 ? "Name" : "Kind";
        cell.CellID = id;
        cell.Width = 4000;
        cell.Title = 1;
        cell.Enabled = 1;
    }
    RPTTABLEROWDEF row;
    row.Enabled = 1;
    row.NbCells = 2;
    row.Cells = cells;
    RegisterItem("LIST", RPT_ITEMKIND_LIST, 1, &row, 1);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->FetchRows(2);
    procs->getValue = [](RPTPROCCONTEXT& record) {
        record.CellText = "value";
        return S_OK;
    };
    RenewReport();
    SComWrap<ISRptList> list = AddItem<ISRptList>("LIST");
    ASSERT_TRUE(list);
    const SComWrap<ISRptPara> formats[] = {ParaOf(list.Get(), 1), ParaOf(list.Get(), 2)};
    ASSERT_TRUE(Preview());

    const SRptDrawableTable* table = nullptr;
    for (const auto& element : shell->GetLayer()->GetPages()[0]->GetElements())
        if (!table) table = dynamic_cast<const SRptDrawableTable*>(element->GetDrawable());
    ASSERT_TRUE(table);
    ASSERT_EQ(table->GetRowCount(), 3);
    for (int32_t index = 0; index < 3; ++index) {
        const SComWrap<ISRptPara>& wanted = formats[index == 0 ? 0 : 1];
        for (int32_t column = 0; column < 2; ++column)
            EXPECT_EQ(Identity(table->GetRow(index)->GetCell(column)->GetPara()), Identity(wanted.Get()))
                << "row " << index << ", column " << column;
    }
}

TEST_F(SRptPaginationTest, AParagraphKeptTogetherMovesWholeToTheNextPage) {
    // First measure a line and the page, then leave room for two lines of three.
    auto filler = AddText("Filler");
    auto kept = AddText("One\r\nTwo\r\nThree");
    SRptPhysicalLayer* layer = Preview();
    const auto& elements = layer->GetPages()[0]->GetElements();
    ASSERT_EQ(elements.size(), 2u);
    const int32_t line = elements[0]->GetHeight();
    const RECT usable = layer->GetPages()[0]->GetUsableRect();
    ASSERT_GT(line, 0);
    ParaOf(filler.Get(), 0)->PutSpBefore(static_cast<int16_t>(usable.bottom - usable.top - 1 - 3 * line - line / 2));

    layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    EXPECT_NE(PageText(1).find("One|Two|"), std::string::npos);
    EXPECT_NE(PageText(2).find("Three|"), std::string::npos);

    ParaOf(kept.Get(), 0)->PutFlow(1);
    layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    EXPECT_EQ(PageText(1).find("One"), std::string::npos);
    EXPECT_NE(PageText(2).find("One|Two|Three|"), std::string::npos);
    EXPECT_EQ(Page(kept.Get()), 2);
}

TEST_F(SRptPaginationTest, HeadersShowTheirPageNumbers) {
    // The template's default header ends with "Page" and the page field.
    AddText("First");
    AddItem("PAGEBREAK");
    AddText("Second");
    Preview();
    EXPECT_NE(PageText(1).find("|Page 1|First|"), std::string::npos);
    EXPECT_NE(PageText(2).find("|Page 2|Second|"), std::string::npos);
    EXPECT_EQ(PageText(2).find("9999"), std::string::npos);
    EXPECT_EQ(PageText(2).find("%PAGE%"), std::string::npos);
}

TEST_F(SRptPaginationTest, APageBreakWithNothingPrintedAfterItOpensNoPage) {
    // The report ends with a page break, as each element of a group ending in one does.
    AddText("First");
    AddItem("PAGEBREAK");
    AddText("Last");
    AddItem("PAGEBREAK");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    EXPECT_NE(PageText(2).find("|Page 2|Last|"), std::string::npos);

    // Two breaks at the end: the first still has a break after it and keeps its empty page.
    AddItem("PAGEBREAK");
    layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 3);
    EXPECT_EQ(layer->GetPages()[2]->GetElements().size(), 0u);
    EXPECT_NE(PageText(3).find("|Page 3|"), std::string::npos);
}

TEST_F(SRptPaginationTest, TheContentsShow9999UntilThePagesAreNumberedThenTheRealPages) {
    AddItem("TBLCTS");
    auto title = AddItem<ISRptTitle>("TITLE");
    title->PutText("Chapter");
    SRptMakePlainPara(ParaOf(title.Get(), 0).Get());
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    // The contents end their page: the title follows on page 2, and the contents say so.
    EXPECT_EQ(Page(title.Get()), 2);
    // The entry, dots to the tab stop, the page.
    EXPECT_TRUE(EndsWith(PageText(1), "|1 Chapter|", "|2|"));
    EXPECT_EQ(PageText(1).find("9999"), std::string::npos);

    // Laid out again without the step that numbers them, they read 9999.
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    ASSERT_EQ(layer->BuildPhysicalItems(), S_OK);
    ASSERT_EQ(layer->Paginate(), S_OK);
    EXPECT_TRUE(EndsWith(PageText(1), "|1 Chapter|", "|9999|"));
    ASSERT_EQ(layer->UpdateTablesOfContents(), S_OK);
    EXPECT_TRUE(EndsWith(PageText(1), "|1 Chapter|", "|2|"));
}

TEST_F(SRptPaginationTest, TheContentsLeaveOutWhatWritesNothingAndNumberOnWithoutIt) {
    // A list without a data row and a form of heading rows alone write nothing, as in RTF and HTML.
    RPTTABLECELLDEF cells[2];
    for (int32_t kind : {0, 1}) {
        RPTTABLECELLDEF& cell = cells[kind];
        cell.Size = kind == 0 ? RPTTABLECELLDEF_SIZE_LIST : RPTTABLECELLDEF_SIZE_FORM;
        cell.DefaultText = "Name";
        cell.CellID = 1;
        cell.Width = 4000;
        cell.Enabled = 1;
    }
    RPTTABLEROWDEF rows[2];
    for (int32_t kind : {0, 1}) {
        rows[kind].Enabled = 1;
        rows[kind].NbCells = 1;
        rows[kind].Cells = &cells[kind];
    }
    rows[1].HeadingRow = 1;
    RegisterItem("LIST", RPT_ITEMKIND_LIST, 1, &rows[0], 1);
    RegisterItem("FORM", RPT_ITEMKIND_FORM, 2, &rows[1], 1);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->FetchRows(0);
    procs->process = [](RPTPROCCONTEXT& record) {
        record.Text2 = record.ItemParam == 1 ? "Orders" : "Customer";
        return 1;
    };
    RenewReport();
    AddItem("TBLCTS");
    for (const char* placed : {"Chapter", "LIST", "FORM", "Closing"}) {
        SComWrap<ISRptItem> item;
        if (std::string(placed) == "LIST" || std::string(placed) == "FORM") {
            item = AddItem(placed);
        } else {
            auto title = AddItem<ISRptTitle>("TITLE");
            title->PutText(placed);
            SRptMakePlainPara(ParaOf(title.Get(), 0).Get());
            item = title.Get();
        }
        ASSERT_TRUE(item);
        item->PutTOCEntry(true);
    }
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 2);
    const std::string contents = PageText(1);
    EXPECT_EQ(contents.find("Orders"), std::string::npos) << contents;
    EXPECT_EQ(contents.find("Customer"), std::string::npos) << contents;
    EXPECT_EQ(contents.find("9999"), std::string::npos) << contents;
    // The entry after them keeps the number it has where they are left out.
    EXPECT_NE(contents.find("|1 Chapter|"), std::string::npos) << contents;
    EXPECT_TRUE(EndsWith(contents, "|2 Closing|", "|2|")) << contents;
    EXPECT_EQ(layer->GetGenerationTree()->GetContentsEntries().GetCount(), 2);
}

TEST_F(SRptPaginationTest, APictureThatCannotBeLoadedPlacesNothing) {
    // The file is there when the item is placed, and gone when the report is printed.
    const SString missing = folder.PathOf("gone.png");
    STestTempFolder::WriteFile(missing, "not a picture");
    script.ExpectFileDialog(missing);
    auto picture = AddItem<ISRptGraphicFile>("GRAPHICFILE");
    std::filesystem::remove(missing.str());
    auto text = AddText("After");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 1);
    EXPECT_EQ(Page(picture.Get()), 0);
    EXPECT_EQ(Page(text.Get()), 1);
    EXPECT_EQ(layer->GetPages()[0]->GetElements().size(), 1u);
}

TEST_F(SRptPaginationTest, ANodeWithoutAnItemIsAPageBreak) {
    SRptGenerationNode* templateNode = Node(reportTemplate.Get(), 0);
    SRptGenerationNode* empty = Node(nullptr, 1);
    SRptPhysicalLayer layer(nullptr, tree.get(), nullptr);
    layer.GetPrinterDCObject().Attach(std::make_unique<SRecordingPrinter>());
    layer.PrepareMeasures();
    SRptPageFrame frame(&layer, templateNode);
    std::unique_ptr<SRptPhysicalItem> item;
    ASSERT_EQ(layer.BuildPhysicalItem(empty, &frame, &item), S_OK);
    auto* pageBreak = dynamic_cast<SRptPhysicalItemPageBreak*>(item.get());
    ASSERT_TRUE(pageBreak);
    // Its first layout asks for a new page, its second completes it; it never places anything.
    int32_t status = 0;
    pageBreak->Begin();
    EXPECT_EQ(pageBreak->Layout(nullptr, 100, 100, 100, nullptr, &status), S_FALSE);
    EXPECT_EQ(status, RPTLAYOUT_MORE);
    EXPECT_EQ(pageBreak->Layout(nullptr, 100, 100, 100, nullptr, &status), S_FALSE);
    EXPECT_EQ(status, RPTLAYOUT_DONE);
    std::unique_ptr<SRptPageElement> element;
    EXPECT_EQ(pageBreak->CreateElement(nullptr, &element), S_OK);
    EXPECT_FALSE(element);
    EXPECT_EQ(layer.BuildPhysicalItem(nullptr, &frame, &item), E_INVALIDARG);
}

TEST_F(SRptPaginationTest, APictureThatFailsToLoadOrHasNoRoomPlacesNothingAndIsComplete) {
    // A file that is there but holds no picture.
    const SString broken = folder.PathOf("broken.png");
    STestTempFolder::WriteFile(broken, "not a picture");
    script.ExpectFileDialog(broken);
    auto unreadable = AddItem<ISRptGraphicFile>("GRAPHICFILE");
    script.ExpectFileDialog(SString(VAROD9_TEST_DATA "/pictures/green.jpg"));
    auto picture = AddItem<ISRptGraphicFile>("GRAPHICFILE");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 1);
    EXPECT_EQ(Page(unreadable.Get()), 0);
    EXPECT_EQ(Page(picture.Get()), 1);

    ExpectNothingPlaced(LayOut(Physical(unreadable.Get()), 17000, 20000), "the file that fails to load");
    // The picture that loads is placed where there is room, and only there.
    const SPlacement placement = LayOut(Physical(picture.Get()), 17000, 20000);
    EXPECT_EQ(placement.result, S_OK);
    EXPECT_TRUE(placement.placed);
    for (const auto& room : kNoRoom) ExpectNothingPlaced(LayOut(Physical(picture.Get()), room[0], room[1]), Room(room));
}

TEST_F(SRptPaginationTest, APictureAtTheLimitIsPlacedAndOfOnePixelMoreNothing) {
    script.ExpectFileDialog(SString(STestPictureLimit::OverLimitFile()));
    auto overLimit = AddItem<ISRptGraphicFile>("GRAPHICFILE");
    script.ExpectFileDialog(SString(STestPictureLimit::AtLimitFile()));
    auto atLimit = AddItem<ISRptGraphicFile>("GRAPHICFILE");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 1);
    EXPECT_EQ(Page(overLimit.Get()), 0);
    EXPECT_EQ(Page(atLimit.Get()), 1);
    ASSERT_EQ(layer->GetPages()[0]->GetElements().size(), 1u);
}

TEST_F(SRptPaginationTest, AUserGraphicWhosePageImageWouldBeBeyondThePictureLimitPlacesNothing) {
    RegisterItem("CHART", RPT_ITEMKIND_USERGRAPHIC, 1);
    procs->begin = [](RPTPROCCONTEXT& record) {
        record.PictureWidth = 8000;
        record.PictureHeight = 4000;
        return 1;
    };
    procs->getValue = [](RPTPROCCONTEXT& record) {
        if (record.DrawingDC) record.DrawingDC->FillSolidRect(RECT{0, 0, 100, 100}, RGB(0, 0, 0));
        return 0;
    };
    RenewReport();
    auto chart = AddItem<ISRptUserGraphic>("CHART");
    chart->PutUseZoom(false);
    chart->PutOnePageType(2);
    Preview();
    // A centred page is the room, and its image would be 54 larger each way (8000 hundredths of
    // a millimetre on 302 pixels) at 96 pixels an inch: the limit exactly, and one pixel more.
    const SSize limit = STestPictureLimit::RoomFor(STestPictureLimit::kAtLimit, 54);
    const SSize over = STestPictureLimit::RoomFor(STestPictureLimit::kOverLimit, 54);
    const SPlacement placement = LayOut(Physical(chart.Get()), limit.cx, limit.cy);
    EXPECT_EQ(placement.result, S_OK);
    EXPECT_TRUE(placement.placed);
    ExpectNothingPlaced(LayOut(Physical(chart.Get()), over.cx, over.cy), "a pixel more than the limit");
}

TEST_F(SRptPaginationTest, AUserGraphicWithoutADrawingOrWithoutRoomPlacesNothingAndIsComplete) {
    // The module draws a square of 4 by 3 cm for the graphic of parameter 2, nothing for 1.
    constexpr int32_t kBlank = 1;
    constexpr int32_t kDrawn = 2;
    RegisterItem("BLANK", RPT_ITEMKIND_USERGRAPHIC, kBlank);
    RegisterItem("DRAWN", RPT_ITEMKIND_USERGRAPHIC, kDrawn);
    procs->begin = [](RPTPROCCONTEXT& record) {
        if (record.ItemParam == kDrawn) {
            record.PictureWidth = 4000;
            record.PictureHeight = 3000;
        }
        return 1;
    };
    procs->getValue = [](RPTPROCCONTEXT& record) {
        if (record.ItemParam == kDrawn && record.DrawingDC)
            record.DrawingDC->FillSolidRect(RECT{0, 0, 100, 100}, RGB(0, 0, 0));
        return 0;
    };
    RenewReport();
    auto blank = AddItem<ISRptUserGraphic>("BLANK");
    auto drawn = AddItem<ISRptUserGraphic>("DRAWN");
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 1);
    EXPECT_EQ(Page(blank.Get()), 0);
    EXPECT_EQ(Page(drawn.Get()), 1);

    ExpectNothingPlaced(LayOut(Physical(blank.Get()), 17000, 20000), "the graphic without a drawing");
    const SPlacement placement = LayOut(Physical(drawn.Get()), 17000, 20000);
    EXPECT_EQ(placement.result, S_OK);
    EXPECT_TRUE(placement.placed);
    for (const auto& room : kNoRoom) ExpectNothingPlaced(LayOut(Physical(drawn.Get()), room[0], room[1]), Room(room));
}
