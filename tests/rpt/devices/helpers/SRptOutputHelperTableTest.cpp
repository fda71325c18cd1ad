// The helpers of forms and lists: the grid they build from the template's rows and cells and the
// module's values, the cells the writers read, and the links of cells to other nodes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SRepClassColPtr.h"
#include "rpt/devices/generation/SRptGenerationNodeForm.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeList.h"
#include "rpt/devices/helpers/SRptOutputHelperForm.h"
#include "rpt/devices/helpers/SRptOutputHelperGrpTitle.h"
#include "rpt/devices/helpers/SRptOutputHelperList.h"
#include "rpt/devices/helpers/SRptOutputHelperTestFixture.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/STableDescription.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptPara.h"

namespace {

constexpr GUID kCustomer = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000001}");
constexpr GUID kOrder = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000002}");

class SRptOutputHelperTables : public SRptOutputHelperTestFixture {
protected:
    template <class I>
    SComWrap<I> BuildTable(const GUID& clsid, STableDescription& description) {
        SComWrap<I> table = Make<I>(clsid);
        EXPECT_EQ(table->ConstructWithItemDef(&description.Def()), S_OK);
        UseModule(table.Get());
        return table;
    }
    static SComWrap<ISRptPara> ParaAt(ISRptParaContainer* item, int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(item->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    static SComWrap<ISRptTableRow> RowAt(ISRptTable* table, int32_t position) {
        SComWrap<ISRptTableRow> row;
        row = table->Rows().Item(position);
        return row;
    }
    // The cell the helper holds at (row, column); an empty record for none.
    static RPTCELLINFO Cell(const SRptOutputHelperTable* helper, int32_t row, int32_t column) {
        RPTCELLINFO cell;
        EXPECT_EQ(helper->GetCell(row, column, &cell), S_OK) << "no cell at " << row << ", " << column;
        return cell;
    }
    static bool Same(IUnknown* a, IUnknown* b) { return SComWrap<IUnknown>(a).IsEqualObject(b); }
    // A module that names each value by its data row and cell: "row 1 cell 4".
    void AnswerCellsByRowAndId() {
        module->getValue = [](RPTPROCCONTEXT& record) {
            record.CellText = ("row " + std::to_string(record.RowCursor) + " cell " + std::to_string(record.CellID)).c_str();
            return 1;
        };
    }
};

// A list of four columns of which the third is disabled.
STableDescription ListOfFourColumns() {
    STableDescription description(RPT_ITEMKIND_LIST);
    description.AddRow();
    description.AddCell(1, "Id");
    description.AddCell(2, "Name");
    description.AddCell(3, "Town").Enabled = 0;
    description.AddCell(4, "Zip");
    return description;
}

TEST_F(SRptOutputHelperTables, AListFedThreeRowsByTheModule) {
    STableDescription description = ListOfFourColumns();
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList, description);
    module->FetchRows(3);
    AnswerCellsByRowAndId();

    auto* helper = Enter<SRptOutputHelperList>(Insert<SRptGenerationNodeList>(list.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetNbRows(), 4);
    EXPECT_EQ(helper->GetNbHeadingRows(), 1);
    EXPECT_EQ(helper->GetNbColumns(), list->GetNbMaxCells());

    // The data-row counter at the three fetches that gave a row.
    const std::vector<RPTPROCCONTEXT> fetches = module->Records("fetch");
    ASSERT_EQ(fetches.size(), 4u);
    EXPECT_EQ(fetches[0].RowCursor, 0);
    EXPECT_EQ(fetches[1].RowCursor, 1);
    EXPECT_EQ(fetches[2].RowCursor, 2);
    EXPECT_EQ(module->Records("next").size(), 3u);
    // Each data row asks for the enabled columns only, in cell order.
    std::vector<int32_t> asked;
    for (const RPTPROCCONTEXT& record : module->Records("getvalue")) asked.push_back(record.CellID);
    EXPECT_EQ(asked, (std::vector<int32_t>{1, 2, 4, 1, 2, 4, 1, 2, 4}));

    const SComWrap<ISRptPara> heading = ParaAt(list.Get(), 1);
    const SComWrap<ISRptPara> text = ParaAt(list.Get(), 2);
    // The heading row: the enabled cells' names; the disabled one takes no column.
    const char* const names[] = {"Id", "Name", "Zip"};
    for (int32_t column = 0; column < 3; ++column) {
        const RPTCELLINFO cell = Cell(helper, 0, column);
        EXPECT_EQ(cell.Text, names[column]);
        EXPECT_TRUE(Same(cell.Para.Get(), heading.Get()));
        EXPECT_EQ(cell.Link, nullptr);
    }
    RPTCELLINFO none;
    EXPECT_EQ(helper->GetCell(0, 3, &none), S_FALSE);
    // The data rows: the module's texts in the text format.
    EXPECT_EQ(Cell(helper, 1, 0).Text, "row 0 cell 1");
    EXPECT_EQ(Cell(helper, 2, 1).Text, "row 1 cell 2");
    EXPECT_EQ(Cell(helper, 3, 2).Text, "row 2 cell 4");
    EXPECT_TRUE(Same(Cell(helper, 3, 2).Para.Get(), text.Get()));
    EXPECT_EQ(helper->GetCell(4, 0, &none), S_FALSE);

    // Every grid row is laid out by the list's first row.
    const SComWrap<ISRptTableRow> definition = RowAt(list.Get(), 0);
    for (int32_t row = 0; row < 4; ++row) EXPECT_TRUE(Same(helper->GetRow(row), definition.Get())) << row;
    EXPECT_EQ(helper->GetRow(4), nullptr);
}

TEST_F(SRptOutputHelperTables, AListWithoutOccurrencesHasItsHeadingRowOnly) {
    STableDescription description = ListOfFourColumns();
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList, description);
    auto* helper = Enter<SRptOutputHelperList>(Insert<SRptGenerationNodeList>(list.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetNbRows(), 1);
    EXPECT_EQ(helper->GetNbHeadingRows(), 1);
    EXPECT_EQ(Cell(helper, 0, 2).Text, "Zip");
    EXPECT_TRUE(module->Records("getvalue").empty());
}

TEST_F(SRptOutputHelperTables, AListWithoutRowsAsksTheModuleForNoRows) {
    STableDescription description = ListOfFourColumns();
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList, description);
    list->Rows().DeleteAll();
    module->FetchRows(2);
    auto* helper = Enter<SRptOutputHelperList>(Insert<SRptGenerationNodeList>(list.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetNbRows(), 0);
    EXPECT_TRUE(module->Records("fetch").empty());
    EXPECT_EQ(helper->GetRow(0), nullptr);
}

// A form: a heading row of five cells, two of them disabled; a disabled row; a row of a label
// and a keyword.
STableDescription FormOfThreeRows() {
    STableDescription description(RPT_ITEMKIND_FORM);
    description.AddRow().HeadingRow = 1;
    description.AddCell(10, "Customer", true);
    description.AddCell(11, "Label A");
    description.AddCell(12, "Off").Enabled = 0;
    description.AddCell(13, "Label B");
    description.AddCell(14, "Off too").Enabled = 0;
    description.AddRow().Enabled = 0;
    description.AddCell(20, "Hidden");
    description.AddRow();
    description.AddCell(30, "Town");
    description.AddCell(31, "Town value", true);
    return description;
}

TEST_F(SRptOutputHelperTables, AFormShowsItsEnabledRowsAndCellsOnly) {
    STableDescription description = FormOfThreeRows();
    SComWrap<ISRptForm> form = BuildTable<ISRptForm>(CLSID_SRptForm, description);
    auto* helper = Enter<SRptOutputHelperForm>(Insert<SRptGenerationNodeForm>(form.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetNbRows(), 2);
    EXPECT_EQ(helper->GetNbHeadingRows(), 1);
    EXPECT_EQ(helper->GetNbColumns(), form->GetNbMaxCells());
    EXPECT_TRUE(Same(helper->GetRow(0), RowAt(form.Get(), 0).Get()));
    EXPECT_TRUE(Same(helper->GetRow(1), RowAt(form.Get(), 2).Get()));
    EXPECT_EQ(helper->GetRow(2), nullptr);

    // The enabled cells fill the columns in collection order.
    EXPECT_EQ(Cell(helper, 0, 1).Text, "Label A");
    EXPECT_EQ(Cell(helper, 0, 2).Text, "Label B");
    RPTCELLINFO none;
    EXPECT_EQ(helper->GetCell(0, 3, &none), S_FALSE);
    EXPECT_EQ(Cell(helper, 1, 0).Text, "Town");
    // Only the keyword cells were asked of the module.
    std::vector<int32_t> asked;
    for (const RPTPROCCONTEXT& record : module->Records("getvalue")) asked.push_back(record.CellID);
    EXPECT_EQ(asked, (std::vector<int32_t>{10, 31}));
}

TEST_F(SRptOutputHelperTables, AKeywordCellShowsTheModulesValueInTheValueFormat) {
    STableDescription description = FormOfThreeRows();
    SComWrap<ISRptForm> form = BuildTable<ISRptForm>(CLSID_SRptForm, description);
    SComWrap<ISRptItem> target = Item("customers");
    // The module answers the first keyword and leaves the second one's text empty.
    module->getValue = [&target](RPTPROCCONTEXT& record) {
        if (record.CellID == 10) {
            record.CellText = "Acme";
            record.TargetItem = target.Get();
            record.ObjectID = kCustomer;
        }
        return 1;
    };
    auto* helper = Enter<SRptOutputHelperForm>(Insert<SRptGenerationNodeForm>(form.Get(), 0, 0));
    ASSERT_TRUE(helper);
    const SComWrap<ISRptPara> label = ParaAt(form.Get(), 1);
    const SComWrap<ISRptPara> value = ParaAt(form.Get(), 2);

    const RPTCELLINFO keyword = Cell(helper, 0, 0);
    EXPECT_EQ(keyword.Text, "Acme");
    EXPECT_TRUE(Same(keyword.Para.Get(), value.Get()));
    EXPECT_EQ(keyword.TargetItem, target.Get());
    EXPECT_EQ(keyword.ObjectID, kCustomer);
    const RPTCELLINFO labelCell = Cell(helper, 1, 0);
    EXPECT_TRUE(Same(labelCell.Para.Get(), label.Get()));
    EXPECT_EQ(labelCell.TargetItem, nullptr);
    EXPECT_EQ(labelCell.ObjectID, GUID_NULL);
    // Nothing from the module: an empty cell in the value format, referring to nothing.
    const RPTCELLINFO empty = Cell(helper, 1, 1);
    EXPECT_EQ(empty.Text, "");
    EXPECT_TRUE(Same(empty.Para.Get(), value.Get()));
    EXPECT_EQ(empty.TargetItem, nullptr);
    EXPECT_EQ(empty.ObjectID, GUID_NULL);
    tree.reset();
    target->Delete();
}

TEST_F(SRptOutputHelperTables, GetCellCopiesTheCellOrLeavesTheRecordAloneForAnAbsentOne) {
    STableDescription description = FormOfThreeRows();
    SComWrap<ISRptForm> form = BuildTable<ISRptForm>(CLSID_SRptForm, description);
    auto* helper = Enter<SRptOutputHelperForm>(Insert<SRptGenerationNodeForm>(form.Get(), 0, 0));
    ASSERT_TRUE(helper);
    const SComWrap<ISRptPara> label = ParaAt(form.Get(), 1);
    const SComWrap<ISRptPara> value = ParaAt(form.Get(), 2);

    RPTCELLINFO out;
    out.Text = "kept";
    out.Para = value;
    out.ObjectID = kOrder;
    EXPECT_EQ(helper->GetCell(5, 0, &out), S_FALSE);
    EXPECT_EQ(out.Text, "kept");
    EXPECT_TRUE(Same(out.Para.Get(), value.Get()));
    EXPECT_EQ(out.ObjectID, kOrder);

    // A copied cell holds a reference of its own on its format and gives up the one it held.
    const int32_t labelRefs = Refs(label.Get());
    const int32_t valueRefs = Refs(value.Get());
    EXPECT_EQ(helper->GetCell(0, 1, &out), S_OK);
    EXPECT_EQ(out.Text, "Label A");
    EXPECT_EQ(out.ObjectID, GUID_NULL);
    EXPECT_EQ(Refs(label.Get()), labelRefs + 1);
    EXPECT_EQ(Refs(value.Get()), valueRefs - 1);
    EXPECT_EQ(helper->GetCell(0, 0, nullptr), E_POINTER);
}

TEST_F(SRptOutputHelperTables, CellsLinkToTheNodeShowingTheirObjectButNotToTheirOwn) {
    // A member of a group title that shows the order.
    SComWrap<ISRptGrpTitle> orders = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    UseModule(orders.Get());
    module->memberText = [](RPTPROCCONTEXT& record) {
        record.Text2 = "Order 1001";
        record.ObjectID = kOrder;
        return 1;
    };
    // A list that shows the customer, one of whose cells refers to the order, one to the
    // customer (which the list shows itself) and one to nothing.
    STableDescription description = ListOfFourColumns();
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList, description);
    SComWrap<ISRptItem> listItem;
    listItem = list;
    module->process = [](RPTPROCCONTEXT& record) {
        record.Text2 = "Customer";
        record.ObjectID = kCustomer;
        return 1;
    };
    module->FetchRows(1);
    module->getValue = [&](RPTPROCCONTEXT& record) {
        record.CellText = "value";
        if (record.CellID == 1) {
            record.TargetItem = static_cast<ISRptItem*>(orders.Get());
            record.ObjectID = kOrder;
        } else if (record.CellID == 2) {
            record.TargetItem = listItem.Get();
            record.ObjectID = kCustomer;
        }
        return 1;
    };
    SRptGenerationNode* orderNode = Insert<SRptGenerationNodeGrpTitle>(orders.Get(), 0, 0);
    SRptGenerationNode* listNode = Insert<SRptGenerationNodeList>(list.Get(), 0, 0);
    EXPECT_EQ(tree->ForEach(), S_OK);
    auto* helper = dynamic_cast<SRptOutputHelperList*>(listNode->GetOutputHelper());
    ASSERT_TRUE(helper);
    ASSERT_NE(orderNode->GetOutputHelper(), nullptr);
    EXPECT_EQ(*helper->GetObjectID(), kCustomer);
    // Links wait for the whole tree.
    EXPECT_EQ(Cell(helper, 1, 0).Link, nullptr);

    EXPECT_EQ(tree->ForEachHelper(), S_OK);
    EXPECT_EQ(Cell(helper, 1, 0).Link, orderNode);
    EXPECT_EQ(Cell(helper, 1, 1).Link, nullptr);
    EXPECT_EQ(Cell(helper, 1, 2).Link, nullptr);
    EXPECT_EQ(Cell(helper, 0, 0).Link, nullptr);
    // The same look-up, asked directly.
    EXPECT_EQ(helper->FindLinkedNode(listItem.Get(), kCustomer), nullptr);
    EXPECT_EQ(helper->FindLinkedNode(nullptr, kOrder), nullptr);
    EXPECT_EQ(helper->FindLinkedNode(listItem.Get(), GUID_NULL), nullptr);
}

}  // namespace
