// Forms and lists built from a module's description: their rows and cells from the row and cell
// records, the records' size words, and what stays when a record is refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/repo/ISRepObjSink.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "rpt/objs/tables/STableDescription.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"

namespace {

constexpr int32_t kCodeTextID = 7001;

class SRptTableRecords : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        module.AddString(static_cast<uint32_t>(kCodeTextID), "Code of the object");
    }

    template <class I>
    SComWrap<I> RowAt(ISRptTable* table, int32_t position) {
        SComWrap<I> row;
        row.Assign(table->Rows().Item(position).Get());
        return row;
    }
    template <class I>
    SComWrap<I> CellAt(ISRptTableRow* row, int32_t position) {
        SComWrap<I> cell;
        cell.Assign(row->Cells().Item(position).Get());
        return cell;
    }
    // A form description of two rows: an identified row of a keyword cell and two texts, and a
    // heading row of one text.
    STableDescription TwoRowForm() {
        STableDescription form(RPT_ITEMKIND_FORM);
        form.item.ResInstance = &module;
        form.AddRow();
        form.AddCell(1, "Id", true);
        form.AddCell(2, "Code", false, "\\Card\\Code").CellResID = kCodeTextID;
        form.AddCell(3, "Comment");
        form.AddRow().HeadingRow = 1;
        form.AddCell(4, "Heading");
        return form;
    }

    SModuleState module{MakeGUID("{6A1D55E0-36B2-4C26-9D5B-0E1A8A6B7C21}")};
};

}  // namespace

// ---- a row and a cell from their records ----

TEST_F(SRptTableRecords, ARowTakesItsNineLayoutPropertiesFromItsRecord) {
    RPTTABLEROWDEF def;
    def.HeightType = 2;
    def.Height = 1200;
    def.Left = -150;
    def.RowBreak = 2;  // any non-zero word is true
    def.Alignment = 4;
    def.SpBetweenCells = 250;
    def.HeadingRow = 1;
    def.FootingRow = 1;
    def.Enabled = 0;
    for (const GUID& clsid : {CLSID_SRptTableRow, CLSID_SRptFormRow, CLSID_SRptListRow}) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptTableRow> row = Make<ISRptTableRow>(clsid);
        ASSERT_EQ(row->ConstructWithRowDef(&def), S_OK);
        EXPECT_EQ(row->GetHeightType(), 2);
        EXPECT_EQ(row->GetHeight(), 1200);
        EXPECT_EQ(row->GetLeft(), -150);
        EXPECT_TRUE(row->GetRowBreak());
        EXPECT_EQ(row->GetAlignment(), 4);
        EXPECT_EQ(row->GetSpBetweenCells(), 250);
        EXPECT_TRUE(row->GetHeadingRow());
        EXPECT_TRUE(row->GetFootingRow());
        EXPECT_FALSE(row->GetEnabled());
        // The cells of the record are the table's to build.
        EXPECT_EQ(row->GetNbCells(), 0);
    }
}

TEST_F(SRptTableRecords, ACellTakesItsRecordAndTheModulesTextForItsString) {
    RPTTABLECELLDEF def;
    def.CellResID = kCodeTextID;
    def.DefaultText = "Code";
    def.ResPath = "\\Card\\Code";
    def.CellID = 17;
    def.Width = -40;
    def.Keyword = 3;
    def.Title = 1;
    def.VertAlign = 2;
    def.Border = 15;
    def.BorderWidth = 52;
    def.Enabled = 1;
    SComWrap<ISRptTableCell> cell = Make<ISRptTableCell>(CLSID_SRptFormCell);
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(cell->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);
    ASSERT_EQ(cell->ConstructWithCellDef(&def, &module), S_OK);
    cell->Unadvise(sink.Get());
    EXPECT_EQ(cell->GetCellResID(), kCodeTextID);
    EXPECT_EQ(cell->GetDefaultText(), "Code");
    EXPECT_EQ(cell->GetTextFromRes(), "Code of the object");
    // The module's string is kept, not shown: outside a report the cell shows its default text.
    EXPECT_EQ(cell->GetDispName(), "Code");
    EXPECT_EQ(cell->GetResPath(), "\\Card\\Code");
    EXPECT_EQ(cell->GetCellID(), 17);
    EXPECT_EQ(cell->GetWidth(), -40);
    EXPECT_TRUE(cell->GetKeyword());
    EXPECT_TRUE(cell->GetTitle());
    EXPECT_EQ(cell->GetVertAlign(), 2);
    EXPECT_EQ(cell->GetBorder(), 15);
    EXPECT_EQ(cell->GetBorderWidth(), 52);
    EXPECT_TRUE(cell->GetEnabled());
    // The path is put as its put does: announced, once.
    EXPECT_EQ(std::count(sink->changes.begin(), sink->changes.end(), RPTTABLECELL_RESPATH), 1);

    // A string the module lacks, or no module at all: the default text.
    def.CellResID = kCodeTextID + 1;
    SComWrap<ISRptTableCell> missing = Make<ISRptTableCell>(CLSID_SRptTableCell);
    ASSERT_EQ(missing->ConstructWithCellDef(&def, &module), S_OK);
    EXPECT_EQ(missing->GetTextFromRes(), "Code");
    def.CellResID = kCodeTextID;
    SComWrap<ISRptTableCell> unloaded = Make<ISRptTableCell>(CLSID_SRptTableCell);
    ASSERT_EQ(unloaded->ConstructWithCellDef(&def, nullptr), S_OK);
    EXPECT_EQ(unloaded->GetTextFromRes(), "Code");
}

TEST_F(SRptTableRecords, OnlyAListsCellRecordSaysWhetherTheColumnIsSortable) {
    RPTTABLECELLDEF def;
    def.Size = RPTTABLECELLDEF_SIZE_LIST;
    def.CellID = 5;
    def.Sortable = 1;
    SComWrap<ISRptListCell> sortable = Make<ISRptListCell>(CLSID_SRptListCell);
    EXPECT_EQ(sortable->ConstructWithCellDef(&def, nullptr), S_OK);
    EXPECT_TRUE(sortable->GetSortable());
    EXPECT_FALSE(sortable->GetSorted()) << "sorting is the user's choice";
    EXPECT_EQ(sortable->GetCellID(), 5);

    def.Sortable = 0;
    SComWrap<ISRptListCell> plain = Make<ISRptListCell>(CLSID_SRptListCell);
    EXPECT_EQ(plain->ConstructWithCellDef(&def, nullptr), S_OK);
    EXPECT_FALSE(plain->GetSortable());

    // A form's record ends before the sortable word: the rest is taken, Sortable is not.
    def.Size = RPTTABLECELLDEF_SIZE_FORM;
    def.Sortable = 1;
    SComWrap<ISRptListCell> short44 = Make<ISRptListCell>(CLSID_SRptListCell);
    EXPECT_EQ(short44->ConstructWithCellDef(&def, nullptr), S_FALSE);
    EXPECT_FALSE(short44->GetSortable());
    EXPECT_EQ(short44->GetCellID(), 5);
    EXPECT_EQ(short44->ConstructWithCellDef(nullptr, nullptr), S_FALSE);
}

// ---- a form from its description ----

TEST_F(SRptTableRecords, AFormBuildsItsRowsAndCellsFromTheRecords) {
    STableDescription description = TwoRowForm();
    SComWrap<ISRptTable> form = Make<ISRptTable>(CLSID_SRptForm);
    ASSERT_EQ(form->ConstructWithItemDef(&description.Def()), S_OK);

    EXPECT_EQ(form->GetLabel(), "Card");
    EXPECT_EQ(form->GetResInstance(), &module);
    EXPECT_EQ(form->Paragraphs().GetCount(), 3);
    ASSERT_EQ(form->GetNbRows(), 2);
    EXPECT_EQ(form->GetNbMaxCells(), 3);
    EXPECT_EQ(form->GetNbHeadingRows(), 0) << "the heading row is the second";

    SComWrap<ISRptFormRow> first = RowAt<ISRptFormRow>(form.Get(), 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->GetClassID(), CLSID_SRptFormRow);
    EXPECT_TRUE(first->GetEnabled());
    ASSERT_EQ(first->GetNbCells(), 3);
    SComWrap<ISRptFormCell> id = CellAt<ISRptFormCell>(first.Get(), 0);
    SComWrap<ISRptFormCell> code = CellAt<ISRptFormCell>(first.Get(), 1);
    ASSERT_TRUE(id && code);
    EXPECT_EQ(code->GetClassID(), CLSID_SRptFormCell);
    EXPECT_TRUE(id->GetKeyword());
    EXPECT_EQ(id->GetCellID(), 1);
    EXPECT_EQ(code->GetCellID(), 2);
    EXPECT_EQ(code->GetResPath(), "\\Card\\Code");
    // The cells' strings come from the form's module.
    EXPECT_EQ(code->GetTextFromRes(), "Code of the object");
    EXPECT_EQ(first->GetRowFields(), "Code;Comment");

    SComWrap<ISRptFormRow> heading = RowAt<ISRptFormRow>(form.Get(), 1);
    ASSERT_TRUE(heading);
    EXPECT_TRUE(heading->GetHeadingRow());
    EXPECT_EQ(heading->GetRowFields(), "Heading");
}

TEST_F(SRptTableRecords, AFormWithoutRowRecordsHasItsParagraphsAndNoRows) {
    EXPECT_EQ(Make<ISRptTable>(CLSID_SRptForm)->ConstructWithItemDef(nullptr), E_POINTER);

    // No records at all: refused, once the paragraphs are made.
    STableDescription none(RPT_ITEMKIND_FORM);
    SComWrap<ISRptTable> unrecorded = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(unrecorded->ConstructWithItemDef(&none.Def()), E_INVALIDARG);
    EXPECT_EQ(unrecorded->Paragraphs().GetCount(), 3);
    EXPECT_EQ(unrecorded->GetNbRows(), 0);

    // Records counted as none, or fewer than none: nothing to build.
    STableDescription uncounted = TwoRowForm();
    for (int16_t count : {0, -1}) {
        RPTUSRITEMDEF& def = uncounted.Def();
        def.Table.NbRows = count;
        SComWrap<ISRptTable> form = Make<ISRptTable>(CLSID_SRptForm);
        EXPECT_EQ(form->ConstructWithItemDef(&def), S_OK);
        EXPECT_EQ(form->GetNbRows(), 0);
    }
}

TEST_F(SRptTableRecords, AFormRefusesARecordOfAnotherSizeAndKeepsWhatItBuiltBefore) {
    // The second row record is no row record.
    STableDescription description = TwoRowForm();
    description.rows[1].Size = 40;
    SComWrap<ISRptTable> form = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->ConstructWithItemDef(&description.Def()), E_INVALIDARG);
    ASSERT_EQ(form->GetNbRows(), 1);
    EXPECT_EQ(RowAt<ISRptTableRow>(form.Get(), 0)->GetNbCells(), 3);

    // The third cell record of a row is no form's cell record.
    description = TwoRowForm();
    description.cells[0][2].Size = 40;
    form = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->ConstructWithItemDef(&description.Def()), E_INVALIDARG);
    ASSERT_EQ(form->GetNbRows(), 1);
    EXPECT_EQ(RowAt<ISRptTableRow>(form.Get(), 0)->GetNbCells(), 2);

    // A list's cell record is not a form's.
    description = TwoRowForm();
    description.cells[1][0].Size = RPTTABLECELLDEF_SIZE_LIST;
    form = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->ConstructWithItemDef(&description.Def()), E_INVALIDARG);
    ASSERT_EQ(form->GetNbRows(), 2);
    EXPECT_EQ(RowAt<ISRptTableRow>(form.Get(), 1)->GetNbCells(), 0);

    // Cells counted without their records are not read from nowhere.
    description = TwoRowForm();
    RPTUSRITEMDEF& def = description.Def();
    description.linked[0].Cells = nullptr;
    form = Make<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->ConstructWithItemDef(&def), E_INVALIDARG);
    ASSERT_EQ(form->GetNbRows(), 1);
    EXPECT_EQ(RowAt<ISRptTableRow>(form.Get(), 0)->GetNbCells(), 0);
}

// ---- a list from its description ----

TEST_F(SRptTableRecords, AListBuildsItsColumnsAndIsSortedOnlyWhenTheDescriptionSaysSo) {
    STableDescription description(RPT_ITEMKIND_LIST);
    description.item.ResInstance = &module;
    description.AddRow();
    description.AddCell(1, "Name").Sortable = 1;
    description.AddCell(2, "Code", false, "\\Columns\\Code").CellResID = kCodeTextID;
    description.item.Table.Size = RPTTABLEDEF_SIZE_SORTED;
    description.item.Table.Sorted = 1;

    SComWrap<ISRptList> list = Make<ISRptList>(CLSID_SRptList);
    ASSERT_EQ(list->ConstructWithItemDef(&description.Def()), S_OK);
    EXPECT_TRUE(list->GetSorted());
    EXPECT_EQ(list->Paragraphs().GetCount(), 3);
    ASSERT_EQ(list->GetNbRows(), 1);
    SComWrap<ISRptListRow> row = RowAt<ISRptListRow>(list.Get(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->GetClassID(), CLSID_SRptListRow);
    ASSERT_EQ(row->GetNbCells(), 2);
    SComWrap<ISRptListCell> name = CellAt<ISRptListCell>(row.Get(), 0);
    SComWrap<ISRptListCell> code = CellAt<ISRptListCell>(row.Get(), 1);
    ASSERT_TRUE(name && code);
    EXPECT_EQ(name->GetClassID(), CLSID_SRptListCell);
    EXPECT_TRUE(name->GetSortable());
    EXPECT_FALSE(code->GetSortable());
    EXPECT_EQ(code->GetTextFromRes(), "Code of the object");
    EXPECT_EQ(code->GetResPath(), "\\Columns\\Code");

    // Without the tail word that announces it, the sort flag is not read.
    description.item.Table.Size = RPTTABLEDEF_SIZE_SORTED - 1;
    SComWrap<ISRptList> unsorted = Make<ISRptList>(CLSID_SRptList);
    ASSERT_EQ(unsorted->ConstructWithItemDef(&description.Def()), S_OK);
    EXPECT_FALSE(unsorted->GetSorted());
    description.item.Table.Size = RPTTABLEDEF_SIZE_SORTED;
    description.item.Table.Sorted = 0;
    SComWrap<ISRptList> off = Make<ISRptList>(CLSID_SRptList);
    off->PutSorted(true);
    ASSERT_EQ(off->ConstructWithItemDef(&description.Def()), S_OK);
    EXPECT_FALSE(off->GetSorted());
}

TEST_F(SRptTableRecords, AListRefusesAFormsCellRecordAndKeepsTheRowsBefore) {
    EXPECT_EQ(Make<ISRptTable>(CLSID_SRptList)->ConstructWithItemDef(nullptr), E_POINTER);

    STableDescription description(RPT_ITEMKIND_LIST);
    description.AddRow();
    description.AddCell(1, "Name");
    description.AddRow();
    description.AddCell(2, "Code").Size = RPTTABLECELLDEF_SIZE_FORM;
    SComWrap<ISRptTable> list = Make<ISRptTable>(CLSID_SRptList);
    EXPECT_EQ(list->ConstructWithItemDef(&description.Def()), E_INVALIDARG);
    ASSERT_EQ(list->GetNbRows(), 2);
    EXPECT_EQ(RowAt<ISRptTableRow>(list.Get(), 0)->GetNbCells(), 1);
    EXPECT_EQ(RowAt<ISRptTableRow>(list.Get(), 1)->GetNbCells(), 0);

    STableDescription none(RPT_ITEMKIND_LIST);
    SComWrap<ISRptTable> unrecorded = Make<ISRptTable>(CLSID_SRptList);
    EXPECT_EQ(unrecorded->ConstructWithItemDef(&none.Def()), E_INVALIDARG);
    EXPECT_EQ(unrecorded->Paragraphs().GetCount(), 3);
}
