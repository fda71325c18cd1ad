#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptPara.h"

namespace {

// Marks the entries of a width array that GetCellsWidths did not write.
constexpr int32_t kUnwritten = -999999;

class SRptTableKinds : public SRptItemTestFixture {
protected:
    SComWrap<ISRptTableRow> AddRow(ISRptTable* table, const GUID& clsid = CLSID_SRptListRow) {
        return MakeIn<ISRptTableRow>(table, clsid, RPTTABLE_ROWS);
    }
    SComWrap<ISRptTableCell> AddCell(ISRptTableRow* row, int16_t width = 0, bool enabled = true,
                                     const GUID& clsid = CLSID_SRptListCell) {
        SComWrap<ISRptTableCell> cell = MakeIn<ISRptTableCell>(row, clsid, RPTTABLEROW_CELLS);
        cell->PutWidth(width);
        cell->PutEnabled(enabled);
        return cell;
    }
    // A row of cells of these widths, all enabled, in a row of its own.
    SComWrap<ISRptTableRow> RowOf(std::initializer_list<int16_t> widths) {
        SComWrap<ISRptTableRow> row = Make<ISRptTableRow>(CLSID_SRptListRow);
        for (int16_t width : widths) AddCell(row.Get(), width);
        return row;
    }
    // What GetCellsWidths writes, up to the first entry it left alone.
    static std::vector<int32_t> Widths(ISRptTableRow* row, int32_t paraWidth) {
        std::vector<int32_t> widths(static_cast<size_t>(row->GetNbCells()) + 1, kUnwritten);
        EXPECT_EQ(row->GetCellsWidths(paraWidth, widths.data()), S_OK);
        std::vector<int32_t> written;
        for (int32_t width : widths) {
            if (width == kUnwritten) break;
            written.push_back(width);
        }
        return written;
    }
    // The three paragraphs of a table: its title, its title cells', its other cells'.
    static void AddTableParagraphs(ISRptTable* table) {
        for (const GUID& clsid : {CLSID_SRptParaTitle, CLSID_SRptParaTitle, CLSID_SRptParaItem}) {
            SComWrap<ISRptPara> para;
            ASSERT_EQ(table->CreateObject(clsid, reinterpret_cast<void**>(&para), ISRptPara::iid,
                                          RPTPARACONTAINER_PARAGRAPHS, -1, true),
                      S_OK);
        }
    }
    // A list in a template of a report that knows the title of one path.
    SComWrap<ISRptTable> ListInReport(const char* path, const char* title) {
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        dynamic_cast<SRptTestReportImpl*>(Mem(report.Get()))->titles[path] = title;
        SComWrap<ISRptTemplate> reportTemplate =
            MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        SComWrap<ISRptTable> list = MakeIn<ISRptTable>(reportTemplate.Get(), CLSID_SRptList);
        reportTemplate->SetInTemplateRecursive(true);
        return list;
    }
    void TearDown() override {
        report.Clear();
        SRptItemTestFixture::TearDown();
    }

    SComWrap<ISRptReport> report;
};

}  // namespace

// ---- rows and cells in their table ----

TEST_F(SRptTableKinds, ATableOwnsItsRowsAndEachRowItsCellsWithTheOwnersInSight) {
    SComWrap<ISRptTable> list = Make<ISRptTable>(CLSID_SRptList);
    SComWrap<ISRptTableRow> first = AddRow(list.Get());
    SComWrap<ISRptTableRow> second = AddRow(list.Get());
    SComWrap<ISRptTableCell> a = AddCell(first.Get());
    SComWrap<ISRptTableCell> b = AddCell(first.Get());
    SComWrap<ISRptTableCell> c = AddCell(second.Get());

    SComWrap<ISRptTable> table;
    ASSERT_EQ(second->GetTable(&table), S_OK);
    EXPECT_TRUE(Same(table.Get(), list.Get()));
    SComWrap<ISRptTableRow> row;
    ASSERT_EQ(b->GetRow(&row), S_OK);
    EXPECT_TRUE(Same(row.Get(), first.Get()));
    EXPECT_EQ(c->RowFromCell().GetCount(), 1);
    EXPECT_TRUE(Same(c->RowFromCell().Item(0).Get(), second.Get()));

    // The collections through the attribute protocol, as interface values.
    SRepVariant rows, cells, owner;
    ASSERT_EQ(list->GetAttribute(RPTTABLE_ROWS, &rows), S_OK);
    EXPECT_EQ(rows.GetType(), SREP_VT_COLLECTION);
    EXPECT_EQ(SRepClassColPtr(rows.GetCollection()).GetCount(), list->GetNbRows());
    ASSERT_EQ(first->GetAttribute(RPTTABLEROW_CELLS, &cells), S_OK);
    EXPECT_EQ(SRepClassColPtr(cells.GetCollection()).GetCount(), 2);
    ASSERT_EQ(a->GetAttribute(RPTTABLECELL_ROWFROMCELL, &owner), S_OK);
    EXPECT_TRUE(Same(SRepClassColPtr(owner.GetCollection()).Item(0).Get(), first.Get()));

    // Free rows and cells have no owner; a null out-pointer is refused.
    SComWrap<ISRptTableRow> freeRow = Make<ISRptTableRow>(CLSID_SRptTableRow);
    SComWrap<ISRptTableCell> freeCell = Make<ISRptTableCell>(CLSID_SRptTableCell);
    table = list;
    EXPECT_EQ(freeRow->GetTable(&table), S_FALSE);
    EXPECT_FALSE(table);
    row = first;
    EXPECT_EQ(freeCell->GetRow(&row), S_FALSE);
    EXPECT_FALSE(row);
    EXPECT_EQ(first->GetTable(nullptr), E_POINTER);
    EXPECT_EQ(a->GetRow(nullptr), E_POINTER);

    // A deleted row takes its cells with it.
    const int32_t alive = SRptGetModuleState()->LockCount();
    ASSERT_EQ(first->Delete(), S_OK);
    EXPECT_EQ(list->GetNbRows(), 1);
    EXPECT_EQ(a->GetRow(&row), S_FALSE);
    first.Clear();
    a.Clear();
    b.Clear();
    EXPECT_EQ(SRptGetModuleState()->LockCount(), alive - 3);
}

TEST_F(SRptTableKinds, ATableCountsItsRowsTheirMostCellsAndTheHeadingRowsOnTop) {
    SComWrap<ISRptTable> form = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->GetNbRows(), 0);
    EXPECT_EQ(form->GetNbMaxCells(), 0);
    EXPECT_EQ(form->GetNbHeadingRows(), 0);

    const struct {
        int32_t cells;
        bool heading;
    } rows[] = {{3, true}, {5, true}, {2, false}, {1, true}};
    for (const auto& [cells, heading] : rows) {
        SComWrap<ISRptTableRow> row = AddRow(form.Get(), CLSID_SRptFormRow);
        row->PutHeadingRow(heading);
        for (int32_t i = 0; i < cells; ++i) AddCell(row.Get(), 0, i % 2 == 0, CLSID_SRptFormCell);
        EXPECT_EQ(row->GetNbCells(), cells);
    }
    EXPECT_EQ(form->GetNbRows(), 4);
    EXPECT_EQ(form->GetNbMaxCells(), 5);  // disabled cells count too
    EXPECT_EQ(form->GetNbHeadingRows(), 2);  // the heading row below an ordinary one does not
    SComWrap<ISRptTableRow> top;
    top.Assign(form->Rows().Item(0).Get());
    top->PutHeadingRow(false);
    EXPECT_EQ(form->GetNbHeadingRows(), 0);

    // Something in Rows that is no row breaks the counts that must look into the rows.
    SComWrap<ISRptPara> stray;
    ASSERT_EQ(form->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&stray), ISRptPara::iid, RPTTABLE_ROWS,
                                 0, false),
              S_OK);
    EXPECT_EQ(form->GetNbRows(), 5);
    try {
        form->GetNbMaxCells();
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_THROW(form->GetNbHeadingRows(), SECOMException);
}

TEST_F(SRptTableKinds, FixedWidthsAreKeptAndPercentagesShareWhatTheyLeave) {
    EXPECT_EQ(Widths(RowOf({3000, -50, -50}).Get(), 10000), (std::vector<int32_t>{3000, 3500, 3500}));
    EXPECT_EQ(Widths(RowOf({6000, -100}).Get(), 5000), (std::vector<int32_t>{6000, 0}));
    EXPECT_EQ(Widths(RowOf({0, 1000, -100}).Get(), 5000), (std::vector<int32_t>{0, 1000, 4000}));
    // Rounded to the nearest: 33 percent of 1003 is 330.99.
    EXPECT_EQ(Widths(RowOf({-33}).Get(), 1000), (std::vector<int32_t>{330}));
    EXPECT_EQ(Widths(RowOf({-33}).Get(), 1003), (std::vector<int32_t>{331}));
    // Percentages are not brought down to 100.
    EXPECT_EQ(Widths(RowOf({-80, -80}).Get(), 1000), (std::vector<int32_t>{800, 800}));
    // Whatever the paragraph's width, nothing is left below 0.
    EXPECT_EQ(Widths(RowOf({3000, -50}).Get(), INT32_MIN), (std::vector<int32_t>{3000, 0}));

    // Disabled cells take no part in either pass and get no entry.
    SComWrap<ISRptTableRow> row = Make<ISRptTableRow>(CLSID_SRptFormRow);
    AddCell(row.Get(), 1000, false, CLSID_SRptFormCell);
    AddCell(row.Get(), 2000, true, CLSID_SRptFormCell);
    AddCell(row.Get(), -100, true, CLSID_SRptFormCell);
    EXPECT_EQ(Widths(row.Get(), 5000), (std::vector<int32_t>{2000, 3000}));

    EXPECT_TRUE(Widths(Make<ISRptTableRow>(CLSID_SRptTableRow).Get(), 5000).empty());
    EXPECT_EQ(row->GetCellsWidths(5000, nullptr), E_INVALIDARG);

    // Something in Cells that is no cell breaks the walk.
    SComWrap<ISRptPara> stray;
    ASSERT_EQ(row->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&stray), ISRptPara::iid,
                                RPTTABLEROW_CELLS, -1, false),
              S_OK);
    int32_t widths[8] = {};
    EXPECT_THROW(row->GetCellsWidths(5000, widths), SECOMException);
}

TEST_F(SRptTableKinds, ACellIsFormattedByItsTablesParagraphForTitlesOrForTexts) {
    SComWrap<ISRptTable> list = Make<ISRptTable>(CLSID_SRptList);
    AddTableParagraphs(list.Get());
    SComWrap<ISRptTableRow> row = AddRow(list.Get());
    SComWrap<ISRptTableCell> title = AddCell(row.Get());
    SComWrap<ISRptTableCell> text = AddCell(row.Get());
    title->PutTitle(true);

    SComWrap<ISRptPara> para, expected;
    ASSERT_EQ(title->GetPara(&para), S_OK);
    list->GetParaAtPos(1, &expected);
    EXPECT_TRUE(Same(para.Get(), expected.Get()));
    ASSERT_EQ(text->GetPara(&para), S_OK);
    list->GetParaAtPos(2, &expected);
    EXPECT_TRUE(Same(para.Get(), expected.Get()));
    EXPECT_EQ(text->GetPara(nullptr), E_INVALIDARG);

    // Without a row, or in a row without a table, there is no paragraph to be had.
    EXPECT_THROW(Make<ISRptTableCell>(CLSID_SRptTableCell)->GetPara(&para), SECOMException);
    SComWrap<ISRptTableRow> freeRow = Make<ISRptTableRow>(CLSID_SRptListRow);
    EXPECT_THROW(AddCell(freeRow.Get())->GetPara(&para), SECOMException);
}

// ---- names and title paths ----

TEST_F(SRptTableKinds, ACellIsNamedByTheReportsTitleForItsPathElseByItsDefaultText) {
    SComWrap<ISRptTable> list = ListInReport("\\Columns\\Code", "Code of the model");
    SComWrap<ISRptTableCell> cell = AddCell(AddRow(list.Get()).Get());
    cell->PutDefaultText("Code");
    EXPECT_EQ(cell->GetDispName(), "Code");  // no path: nothing to ask
    cell->PutResPath("\\Columns\\Code");
    EXPECT_EQ(cell->GetDispName(), "Code of the model");
    SRepVariant name;
    ASSERT_EQ(cell->GetAttribute(RPTTABLECELL_DISPNAME, &name), S_OK);
    EXPECT_EQ(name.GetType(), SREP_VT_CHAR254);
    EXPECT_EQ(name.GetText(), "Code of the model");
    cell->PutResPath("\\Columns\\Unknown");
    EXPECT_EQ(cell->GetDispName(), "Code");

    // Outside a template of a report only the default text is known.
    SComWrap<ISRptTable> available = Make<ISRptTable>(CLSID_SRptList);
    SComWrap<ISRptTableCell> loose = AddCell(AddRow(available.Get()).Get());
    loose->PutDefaultText("Name");
    loose->PutResPath("\\Columns\\Code");
    EXPECT_EQ(loose->GetDispName(), "Name");
    SComWrap<ISRptTemplate> orphan = Make<ISRptTemplate>(CLSID_SRptTestTemplate);
    SComWrap<ISRptTable> inOrphan = MakeIn<ISRptTable>(orphan.Get(), CLSID_SRptForm);
    orphan->SetInTemplateRecursive(true);
    SComWrap<ISRptTableCell> unreported = AddCell(AddRow(inOrphan.Get(), CLSID_SRptFormRow).Get(), 0, true,
                                                  CLSID_SRptFormCell);
    unreported->PutDefaultText("Id");
    unreported->PutResPath("\\Columns\\Code");
    EXPECT_EQ(unreported->GetDispName(), "Id");
}

TEST_F(SRptTableKinds, APathThatChangesIsAnnouncedOnceAndCopiedWithItsCell) {
    SComWrap<ISRptTableCell> cell = Make<ISRptTableCell>(CLSID_SRptFormCell);
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(cell->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);
    EXPECT_EQ(cell->PutResPath(""), S_FALSE);
    EXPECT_EQ(cell->PutResPath("\\A"), S_OK);
    EXPECT_EQ(cell->PutResPath("\\A"), S_FALSE);
    SRepVariant path;
    path.SetText("\\A");
    EXPECT_EQ(cell->SetAttribute(RPTTABLECELL_RESPATH, path), S_FALSE);
    path.SetText("\\B");
    EXPECT_EQ(cell->SetAttribute(RPTTABLECELL_RESPATH, path), S_OK);
    EXPECT_EQ(sink->changes, (std::vector<int32_t>{RPTTABLECELL_RESPATH, RPTTABLECELL_RESPATH}));
    SRepVariant number;
    number.SetInt(1);
    EXPECT_EQ(cell->SetAttribute(RPTTABLECELL_RESPATH, number), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(cell->GetResPath(), "\\B");
    cell->Unadvise(sink.Get());

    SComWrap<ISRepObject> copy;
    ASSERT_EQ(cell->Duplicate(nullptr, 0, nullptr, &copy), S_OK);
    SComWrap<ISRptFormCell> copied;
    ASSERT_EQ(copied.Assign(copy.Get()), S_OK);
    EXPECT_EQ(copied->GetResPath(), "\\B");
}

TEST_F(SRptTableKinds, AFormRowIsNamedByItsFieldsWhichAreItsPlainCellsNames) {
    const auto rowOf = [&](std::initializer_list<std::pair<const char*, bool>> cells) {
        SComWrap<ISRptFormRow> row = Make<ISRptFormRow>(CLSID_SRptFormRow);
        for (const auto& [name, keyword] : cells) {
            SComWrap<ISRptTableCell> cell = AddCell(row.Get(), 0, true, CLSID_SRptFormCell);
            cell->PutDefaultText(name);
            cell->PutKeyword(keyword);
        }
        return row;
    };
    SComWrap<ISRptFormRow> row = rowOf({{"Id", true}, {"Code", false}, {"Comment", false}});
    EXPECT_EQ(row->GetRowFields(), "Code;Comment");
    EXPECT_EQ(row->GetDispName(), "Code;Comment");
    SRepVariant fields, name;
    ASSERT_EQ(row->GetAttribute(RPTFORMROW_ROWFIELDS, &fields), S_OK);
    EXPECT_EQ(fields.GetType(), SREP_VT_TEXT);
    EXPECT_EQ(fields.GetText(), "Code;Comment");
    ASSERT_EQ(row->GetAttribute(RPTFORMROW_DISPNAME, &name), S_OK);
    EXPECT_EQ(name.GetType(), SREP_VT_CHAR254);
    EXPECT_EQ(name.GetText(), "Code;Comment");

    EXPECT_EQ(rowOf({{"A", false}, {"", false}, {"C", false}})->GetRowFields(), "A;;C");
    EXPECT_EQ(rowOf({{"", false}, {"C", false}})->GetRowFields(), ";C");
    EXPECT_EQ(rowOf({{"Single", false}})->GetRowFields(), "Single");
    EXPECT_EQ(rowOf({{"Id", true}})->GetRowFields(), "");
    EXPECT_EQ(rowOf({})->GetRowFields(), "");

    // A cell of a list is no field of a form: read through the protocol, the failure is a code
    // and a report naming the form row.
    AddCell(row.Get());
    EXPECT_THROW(row->GetRowFields(), SECOMException);
    SExceptionDialog::ClearReports();
    EXPECT_EQ(row->GetAttribute(RPTFORMROW_ROWFIELDS, &fields), E_POINTER);
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    EXPECT_NE(SExceptionDialog::GetReports()[0].text.str().find("SRptFormRowMem::GetAttribute(dispid = 0x02006930"),
              std::string::npos);
}

// ---- copies and constructions ----

TEST_F(SRptTableKinds, ACopyOfATableCopiesItsRowsAndCellsUnderItself) {
    SComWrap<ISRptTable> form = Make<ISRptTable>(CLSID_SRptForm);
    for (int32_t r = 0; r < 2; ++r) {
        SComWrap<ISRptTableRow> row = AddRow(form.Get(), CLSID_SRptFormRow);
        row->PutHeight(100 * (r + 1));
        for (int32_t c = 0; c < 2; ++c) {
            SComWrap<ISRptTableCell> cell = AddCell(row.Get(), static_cast<int16_t>(-10 * (c + 1)), true,
                                                    CLSID_SRptFormCell);
            cell->PutCellID(10 * r + c);
            cell->PutResPath(SString("\\Path\\") + SString::FromInt(10 * r + c));
        }
    }
    const int32_t alive = SRptGetModuleState()->LockCount();
    SComWrap<ISRepObject> copyObject;
    ASSERT_EQ(form->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copyObject), S_OK);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), alive + 7);
    SComWrap<ISRptTable> copy;
    ASSERT_EQ(copy.Assign(copyObject.Get()), S_OK);
    ASSERT_EQ(copy->GetNbRows(), 2);
    for (int32_t r = 0; r < 2; ++r) {
        SComWrap<ISRptTableRow> source, row;
        source.Assign(form->Rows().Item(r).Get());
        row.Assign(copy->Rows().Item(r).Get());
        ASSERT_TRUE(row);
        EXPECT_FALSE(Same(row.Get(), source.Get()));
        EXPECT_EQ(row->GetClassID(), CLSID_SRptFormRow);
        EXPECT_EQ(row->GetHeight(), 100 * (r + 1));
        SComWrap<ISRptTable> owner;
        row->GetTable(&owner);
        EXPECT_TRUE(Same(owner.Get(), copy.Get()));
        ASSERT_EQ(row->GetNbCells(), 2);
        for (int32_t c = 0; c < 2; ++c) {
            SComWrap<ISRptTableCell> cell;
            cell.Assign(row->Cells().Item(c).Get());
            EXPECT_EQ(cell->GetCellID(), 10 * r + c);
            EXPECT_EQ(cell->GetWidth(), -10 * (c + 1));
            EXPECT_EQ(cell->GetResPath(), SString("\\Path\\") + SString::FromInt(10 * r + c));
            SComWrap<ISRptTableRow> cellRow;
            cell->GetRow(&cellRow);
            EXPECT_TRUE(Same(cellRow.Get(), row.Get()));
        }
    }
    // The source keeps its own.
    EXPECT_EQ(form->GetNbRows(), 2);
    EXPECT_EQ(form->GetNbMaxCells(), 2);
}

TEST_F(SRptTableKinds, RowsAndCellsWithoutADescriptionStayAsTheyAre) {
    for (const GUID& clsid : {CLSID_SRptTableRow, CLSID_SRptListRow}) {
        SComWrap<ISRptTableRow> row = Make<ISRptTableRow>(clsid);
        EXPECT_EQ(row->ConstructWithRowDef(nullptr), S_FALSE);
        EXPECT_TRUE(row->GetEnabled());
    }
    // A form row and a form cell do not count a missing description as a failure.
    EXPECT_EQ(Make<ISRptTableRow>(CLSID_SRptFormRow)->ConstructWithRowDef(nullptr), S_OK);
    EXPECT_EQ(Make<ISRptTableCell>(CLSID_SRptFormCell)->ConstructWithCellDef(nullptr, nullptr), S_OK);
    for (const GUID& clsid : {CLSID_SRptTableCell, CLSID_SRptListCell}) {
        SComWrap<ISRptTableCell> cell = Make<ISRptTableCell>(clsid);
        EXPECT_EQ(cell->ConstructWithCellDef(nullptr, nullptr), S_FALSE);
        EXPECT_FALSE(cell->GetEnabled());
    }
}
