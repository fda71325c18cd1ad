// A form or a list of a template brought into line with the one its module registered: the
// rows of a form matched by the keys of their keyword cells, the columns of a list by CellID.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/SRepRegistry.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"

namespace {

// A cell of a row: its CellID, whether it is a keyword cell, its title path.
struct CellSpec {
    int32_t id;
    bool keyword;
    const char* path;
};

class SRptTableLabelPath : public SRptItemTestFixture {
protected:
    // A form or a list in the test's session, or in none.
    SComWrap<ISRptTable> Table(const GUID& clsid, bool inSession = true) {
        if (inSession) return Make<ISRptTable>(clsid);
        SComWrap<ISRepObject> made;
        EXPECT_EQ(SRepRegistry::CreateObject(clsid, nullptr, &made), S_OK);
        SComWrap<ISRptTable> table;
        table.Assign(made.Get());
        return table;
    }
    // A row of cells appended to a table: form rows and cells for a form, list ones for a list.
    SComWrap<ISRptTableRow> AddRow(ISRptTable* table, std::initializer_list<CellSpec> cells) {
        const bool form = table->GetClassID() == CLSID_SRptForm;
        SComWrap<ISRptTableRow> row =
            MakeIn<ISRptTableRow>(table, form ? CLSID_SRptFormRow : CLSID_SRptListRow, RPTTABLE_ROWS);
        for (const CellSpec& described : cells) {
            SComWrap<ISRptTableCell> cell =
                MakeIn<ISRptTableCell>(row.Get(), form ? CLSID_SRptFormCell : CLSID_SRptListCell, RPTTABLEROW_CELLS);
            cell->PutCellID(described.id);
            cell->PutKeyword(described.keyword);
            cell->PutResPath(described.path);
        }
        return row;
    }
    static SComWrap<ISRptTableRow> RowAt(ISRptTable* table, int32_t position) {
        SComWrap<ISRptTableRow> row;
        row.Assign(table->Rows().Item(position).Get());
        return row;
    }
    static SComWrap<ISRptTableCell> CellAt(ISRptTableRow* row, int32_t position) {
        SComWrap<ISRptTableCell> cell;
        cell.Assign(row->Cells().Item(position).Get());
        return cell;
    }
    // Each row as the CellID of its first cell (a form's key), in order.
    static std::vector<int32_t> RowKeys(ISRptTable* table) {
        std::vector<int32_t> keys;
        for (int32_t position = 0; position < table->GetNbRows(); ++position)
            keys.push_back(CellAt(RowAt(table, position).Get(), 0)->GetCellID());
        return keys;
    }
    // The path of a row's cell at a position.
    static SString PathOf(ISRptTable* table, int32_t row, int32_t cell) {
        return CellAt(RowAt(table, row).Get(), cell)->GetResPath();
    }
    // The columns of a list's first row: CellID and path each.
    static std::vector<std::pair<int32_t, SString>> Columns(ISRptTable* list) {
        std::vector<std::pair<int32_t, SString>> columns;
        SComWrap<ISRptTableRow> row = RowAt(list, 0);
        for (int32_t position = 0; position < row->GetNbCells(); ++position) {
            SComWrap<ISRptTableCell> cell = CellAt(row.Get(), position);
            columns.emplace_back(cell->GetCellID(), cell->GetResPath());
        }
        return columns;
    }
};

using ColumnList = std::vector<std::pair<int32_t, SString>>;

}  // namespace

// ---- forms ----

TEST_F(SRptTableLabelPath, AFormNeedsARegisteredFormAndRowsOfItsOwn) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    SComWrap<ISRptTable> registered = Table(CLSID_SRptForm);
    AddRow(registered.Get(), {{1, true, ""}, {2, false, "\\One"}});
    EXPECT_EQ(form->UpdateLabelPath(registered.Get()), E_FAIL);
    EXPECT_EQ(form->GetNbRows(), 0);
    AddRow(form.Get(), {{1, true, ""}, {2, false, ""}});
    EXPECT_EQ(form->UpdateLabelPath(nullptr), E_FAIL);
    EXPECT_EQ(PathOf(form.Get(), 0, 1), "");
}

TEST_F(SRptTableLabelPath, AFormKeepsTheRegisteredRowsTakesTheirPathsAndGainsTheMissingOnes) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    AddRow(form.Get(), {{1, true, ""}, {11, false, "\\Old\\One"}});
    AddRow(form.Get(), {{2, true, ""}, {21, false, "\\Old\\Two"}, {22, false, "\\Old\\Two\\Last"}});
    SComWrap<ISRptTable> registered = Table(CLSID_SRptForm);
    AddRow(registered.Get(), {{2, true, ""}, {21, false, "\\New\\Two"}});
    AddRow(registered.Get(), {{3, true, ""}, {31, false, "\\New\\Three"}});

    SComWrap<ISRptTableRow> two = RowAt(form.Get(), 1);
    ASSERT_EQ(form->UpdateLabelPath(registered.Get()), S_OK);
    // Row 1 is no longer registered; row 2 takes the path into its last plain cell; row 3 is new.
    EXPECT_EQ(RowKeys(form.Get()), (std::vector<int32_t>{2, 3}));
    EXPECT_TRUE(Same(RowAt(form.Get(), 0).Get(), two.Get()));
    EXPECT_EQ(PathOf(form.Get(), 0, 1), "\\Old\\Two");
    EXPECT_EQ(PathOf(form.Get(), 0, 2), "\\New\\Two");
    SComWrap<ISRptTableRow> copy = RowAt(form.Get(), 1);
    EXPECT_EQ(copy->GetClassID(), CLSID_SRptFormRow);
    EXPECT_FALSE(Same(copy.Get(), RowAt(registered.Get(), 1).Get()));
    EXPECT_EQ(PathOf(form.Get(), 1, 1), "\\New\\Three");
    SComWrap<ISRptTable> owner;
    copy->GetTable(&owner);
    EXPECT_TRUE(Same(owner.Get(), form.Get()));
    // The registered form keeps its own.
    EXPECT_EQ(RowKeys(registered.Get()), (std::vector<int32_t>{2, 3}));

    // Without a session nothing can be copied in; the rest is done all the same.
    SComWrap<ISRptTable> unsessioned = Table(CLSID_SRptForm, false);
    AddRow(unsessioned.Get(), {{1, true, ""}, {11, false, ""}});
    AddRow(unsessioned.Get(), {{2, true, ""}, {21, false, ""}});
    ASSERT_EQ(unsessioned->UpdateLabelPath(registered.Get()), S_OK);
    EXPECT_EQ(RowKeys(unsessioned.Get()), (std::vector<int32_t>{2}));
    EXPECT_EQ(PathOf(unsessioned.Get(), 0, 1), "\\New\\Two");
}

TEST_F(SRptTableLabelPath, AFormRowIsDeletedWhenOneOfItsKeysIsNotRegistered) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    AddRow(form.Get(), {{1, true, ""}, {5, true, ""}, {11, false, ""}});
    AddRow(form.Get(), {{11, false, "\\Free"}});
    SComWrap<ISRptTable> registered = Table(CLSID_SRptForm);
    AddRow(registered.Get(), {{1, true, ""}, {11, false, "\\One"}});
    ASSERT_EQ(form->UpdateLabelPath(registered.Get()), S_OK);
    // The row with the unknown key 5 is gone, and key 1 counts as found: its row is not copied.
    // The row without keyword cells stays as it is.
    ASSERT_EQ(form->GetNbRows(), 1);
    EXPECT_EQ(PathOf(form.Get(), 0, 0), "\\Free");

    // A registered form without rows leaves only the rows without keys.
    AddRow(form.Get(), {{1, true, ""}, {11, false, ""}});
    SComWrap<ISRptTable> empty = Table(CLSID_SRptForm);
    ASSERT_EQ(form->UpdateLabelPath(empty.Get()), S_OK);
    ASSERT_EQ(form->GetNbRows(), 1);
    EXPECT_EQ(PathOf(form.Get(), 0, 0), "\\Free");
}

TEST_F(SRptTableLabelPath, AFormPathIsPutOnlyWhenThereIsANewOne) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    AddRow(form.Get(), {{1, true, ""}, {11, false, "\\Same"}});
    AddRow(form.Get(), {{2, true, ""}, {21, false, "\\Kept"}});
    SComWrap<ISRptTable> registered = Table(CLSID_SRptForm);
    AddRow(registered.Get(), {{1, true, ""}, {11, false, "\\Same"}});
    AddRow(registered.Get(), {{2, true, ""}, {21, false, ""}});
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    SComWrap<ISRptTableCell> same = CellAt(RowAt(form.Get(), 0).Get(), 1);
    SComWrap<ISRptTableCell> kept = CellAt(RowAt(form.Get(), 1).Get(), 1);
    same->Advise(SREP_NOTIFY_CHANGE, sink.Get());
    kept->Advise(SREP_NOTIFY_CHANGE, sink.Get());
    ASSERT_EQ(form->UpdateLabelPath(registered.Get()), S_OK);
    same->Unadvise(sink.Get());
    kept->Unadvise(sink.Get());
    EXPECT_TRUE(sink->changes.empty());
    EXPECT_EQ(same->GetResPath(), "\\Same");
    EXPECT_EQ(kept->GetResPath(), "\\Kept");
    EXPECT_EQ(form->GetNbRows(), 2);
}

TEST_F(SRptTableLabelPath, ARegisteredRowGivesOnlyTheKeyAndPathItHas) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    AddRow(form.Get(), {{1, true, ""}, {11, false, "\\Old\\One"}});
    AddRow(form.Get(), {{2, true, ""}, {21, false, "\\Old\\Two"}});
    SComWrap<ISRptTable> registered = Table(CLSID_SRptForm);
    // A row without a plain cell has no path: its key's row keeps the path it has.
    AddRow(registered.Get(), {{1, true, ""}, {11, false, "\\New\\One"}});
    AddRow(registered.Get(), {{2, true, ""}});
    // A row without a keyword cell has no key: it gives no path and is never copied in.
    AddRow(registered.Get(), {{31, false, "\\Unkeyed"}});
    // Two rows with the same key: the first one counts, and only it would be copied in.
    AddRow(registered.Get(), {{1, true, ""}, {11, false, "\\Second\\One"}});
    AddRow(registered.Get(), {{4, true, ""}, {41, false, "\\First\\Four"}});
    AddRow(registered.Get(), {{4, true, ""}, {41, false, "\\Second\\Four"}});

    ASSERT_EQ(form->UpdateLabelPath(registered.Get()), S_OK);
    EXPECT_EQ(RowKeys(form.Get()), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(PathOf(form.Get(), 0, 1), "\\New\\One");
    EXPECT_EQ(PathOf(form.Get(), 1, 1), "\\Old\\Two");
    EXPECT_EQ(PathOf(form.Get(), 2, 1), "\\First\\Four");
}

// ---- lists ----

TEST_F(SRptTableLabelPath, AListNeedsTwoListsWithRows) {
    SComWrap<ISRptTable> list = Table(CLSID_SRptList);
    SComWrap<ISRptTable> registered = Table(CLSID_SRptList);
    EXPECT_EQ(list->UpdateLabelPath(nullptr), E_FAIL);
    AddRow(registered.Get(), {{1, false, "\\One"}});
    EXPECT_EQ(list->UpdateLabelPath(registered.Get()), E_FAIL) << "a list without rows";
    AddRow(list.Get(), {{1, false, ""}});
    EXPECT_EQ(list->UpdateLabelPath(Table(CLSID_SRptList).Get()), E_FAIL) << "a registered list without rows";
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm);
    AddRow(form.Get(), {{1, false, "\\One"}});
    EXPECT_EQ(list->UpdateLabelPath(form.Get()), E_FAIL) << "a form's rows are no list rows";
    EXPECT_EQ(Columns(list.Get()), (ColumnList{{1, ""}}));
}

TEST_F(SRptTableLabelPath, AListKeepsTheRegisteredColumnsTakesTheirPathsAndGainsTheMissingOnes) {
    SComWrap<ISRptTable> registered = Table(CLSID_SRptList);
    AddRow(registered.Get(), {{3, false, "\\Three"}, {4, false, "\\Four"}, {2, false, "\\Two"}});
    AddRow(registered.Get(), {{9, false, "\\Nine"}});

    for (bool inSession : {true, false}) {
        SCOPED_TRACE(inSession);
        SComWrap<ISRptTable> list = Table(CLSID_SRptList, inSession);
        AddRow(list.Get(), {{1, false, "\\Old1"}, {2, false, "\\Old2"}, {3, false, "\\Old3"}});
        AddRow(list.Get(), {{7, false, "\\Seven"}});
        ASSERT_EQ(list->UpdateLabelPath(registered.Get()), S_OK);
        // Without a session the missing column cannot be copied in.
        const ColumnList expected = inSession ? ColumnList{{2, "\\Two"}, {3, "\\Three"}, {4, "\\Four"}}
                                              : ColumnList{{2, "\\Two"}, {3, "\\Three"}};
        EXPECT_EQ(Columns(list.Get()), expected);
        // Rows after the first are no columns.
        EXPECT_EQ(list->GetNbRows(), 2);
        EXPECT_EQ(PathOf(list.Get(), 1, 0), "\\Seven");
    }
    SComWrap<ISRptTableCell> column = CellAt(RowAt(registered.Get(), 0).Get(), 1);
    EXPECT_EQ(Columns(registered.Get()), (ColumnList{{3, "\\Three"}, {4, "\\Four"}, {2, "\\Two"}}));
    EXPECT_EQ(column->GetCellID(), 4) << "the registered column stays where it was";
}

TEST_F(SRptTableLabelPath, ColumnsOfTheSameIdTakeTheFirstRegisteredOnesPath) {
    SComWrap<ISRptTable> list = Table(CLSID_SRptList);
    AddRow(list.Get(), {{5, false, ""}, {5, false, "\\Own"}});
    SComWrap<ISRptTable> registered = Table(CLSID_SRptList);
    AddRow(registered.Get(), {{5, false, "\\First"}, {5, false, "\\Second"}, {6, false, "\\Six"}});
    ASSERT_EQ(list->UpdateLabelPath(registered.Get()), S_OK);
    // The second registered column of id 5 matched nothing of the list: it is copied in.
    EXPECT_EQ(Columns(list.Get()), (ColumnList{{5, "\\First"}, {5, "\\First"}, {5, "\\Second"}, {6, "\\Six"}}));
}
