// The repair of a report read from an older version: the cell ids of an older metamodel in the
// tables of its templates become the current ones, the tables' cell paragraphs get a fixed box,
// and items of another module than their parent's are deleted.
#include <gtest/gtest.h>

#include <vector>

#include "platform/repo/SRepObjectMem.h"
#include "rpt/objs/reports/SRptTemplateWithTestItemsFixture.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/STableDescription.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTemplate.h"

namespace {

class SRptReportRepair : public SRptTemplateWithTestItemsFixture {
protected:
    HRESULT Repair() {
        SRptReportImpl* impl = dynamic_cast<SRptReportImpl*>(SRepObjectMem::FromObject(report.Get()));
        EXPECT_NE(impl, nullptr);
        STable<SString> messages;
        const HRESULT hr = impl->InternalAutoFix(messages);
        EXPECT_EQ(messages.GetSize(), 0);
        return hr;
    }
    // A form or a list of module "Sales" under the template, with one row of cells of these ids
    // (none: no rows).
    SComWrap<ISRptTable> Table(const GUID& clsid, int32_t kind, std::vector<int32_t> cellIds) {
        STableDescription description(kind);
        description.item.ModuleID = "Sales";
        description.AddRow();
        for (int32_t id : cellIds) description.AddCell(id, "Cell");
        RPTUSRITEMDEF& def = description.Def();
        // A description whose rows count as none builds no rows.
        if (cellIds.empty()) def.Table.NbRows = 0;
        SComWrap<ISRptTable> table;
        EXPECT_EQ(
            templ->CreateObject(clsid, reinterpret_cast<void**>(&table), ISRptTable::iid, RPTITEM_ITEMS, -1, false),
            S_OK);
        EXPECT_EQ(table->ConstructWithItemDef(&def), S_OK);
        return table;
    }
    // A test item of a module under a parent.
    ISRptItem* Item(const char* moduleId, ISRptItem* parent) {
        ISRptItem* item = AddTestItem(parent, true);
        item->PutModuleID(moduleId);
        return item;
    }
    static std::vector<int32_t> CellIds(ISRptTable* table) {
        std::vector<int32_t> ids;
        SComWrap<ISRptTableRow> row;
        row = static_cast<IUnknown*>(table->Rows().Item(0).Get());
        SRepClassColPtr cells = row->Cells();
        for (int32_t i = 0; i < cells.GetCount(); ++i) {
            SComWrap<ISRptTableCell> cell;
            cell = static_cast<IUnknown*>(cells.Item(i).Get());
            ids.push_back(cell->GetCellID());
        }
        return ids;
    }
    static SComWrap<ISRptPara> Para(ISRptTable* table, int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(table->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    // Border, border width and box width of a paragraph.
    static std::vector<int32_t> Box(ISRptPara* para) {
        return {para->GetBorder(), para->GetBorderWidth(), para->GetBoxWidth()};
    }
    static bool IsDeleted(ISRepObject* object) { return SRepObjectMem::FromObject(object)->IsDeleted(); }
};

using Ids = std::vector<int32_t>;

}  // namespace

TEST_F(SRptReportRepair, OldCellIdsOfFormsAndListsBecomeTheCurrentOnes) {
    SComWrap<ISRptTable> form =
        Table(CLSID_SRptForm, RPT_ITEMKIND_FORM, {0x02001216, 0x020110B2, 0x0200000A, 0x02001541, 0x0201104B});
    SComWrap<ISRptTable> list =
        Table(CLSID_SRptList, RPT_ITEMKIND_LIST, {0x02001A00, 0x02010001, 0x02001A50, 0x02015110, 0x12345});
    EXPECT_EQ(Repair(), S_OK);
    EXPECT_EQ(CellIds(form.Get()), (Ids{0x0200000A, 0x020110A6, 0x0200000A, 0x0200000A, 0x0200000A}));
    EXPECT_EQ(CellIds(list.Get()), (Ids{0x0100008C, 0x0100008C, 0x0100008D, 0x0100008D, 0x12345}));
}

TEST_F(SRptReportRepair, TheCellParagraphsOfATableWithRowsAreBoxedWithFixedWidths) {
    SComWrap<ISRptTable> form = Table(CLSID_SRptForm, RPT_ITEMKIND_FORM, {0x0200000A});
    SComWrap<ISRptTable> list = Table(CLSID_SRptList, RPT_ITEMKIND_LIST, {0x0200000A});
    SComWrap<ISRptTable> empty = Table(CLSID_SRptForm, RPT_ITEMKIND_FORM, {});
    ASSERT_EQ(empty->GetNbRows(), 0);
    ASSERT_NE(Box(Para(form.Get(), 1).Get()), (Ids{15, 18, 18}));
    const Ids titleBefore = Box(Para(form.Get(), 0).Get());
    const Ids emptyBefore[] = {Box(Para(empty.Get(), 1).Get()), Box(Para(empty.Get(), 2).Get())};
    EXPECT_EQ(Repair(), S_OK);
    for (ISRptTable* table : {form.Get(), list.Get()}) {
        EXPECT_EQ(Box(Para(table, 1).Get()), (Ids{15, 18, 18}));
        EXPECT_EQ(Box(Para(table, 2).Get()), (Ids{15, 18, 18}));
    }
    EXPECT_EQ(Box(Para(form.Get(), 0).Get()), titleBefore);
    // Without rows the paragraphs stay as they were.
    EXPECT_EQ(Box(Para(empty.Get(), 1).Get()), emptyBefore[0]);
    EXPECT_EQ(Box(Para(empty.Get(), 2).Get()), emptyBefore[1]);
}

TEST_F(SRptReportRepair, ItemsOfAnotherModuleAreDeletedWithWhatIsUnderThem) {
    ISRptItem* foreign = Item("Other", templ.Get());
    ISRptItem* underForeign = Item("Sales", foreign);
    ISRptItem* own = Item("Sales", templ.Get());
    ISRptItem* foreignBelow = Item("Other", own);
    ISRptItem* ownBelow = Item("Sales", own);
    // A table of the template's module below an item of that module is repaired in turn.
    SComWrap<ISRptTable> form;
    ASSERT_EQ(
        own->CreateObject(CLSID_SRptForm, reinterpret_cast<void**>(&form), ISRptTable::iid, RPTITEM_ITEMS, -1, false),
        S_OK);
    STableDescription description(RPT_ITEMKIND_FORM);
    description.item.ModuleID = "Sales";
    description.AddRow();
    description.AddCell(0x02001216, "Cell");
    ASSERT_EQ(form->ConstructWithItemDef(&description.Def()), S_OK);

    EXPECT_EQ(Repair(), S_OK);
    EXPECT_TRUE(IsDeleted(foreign));
    EXPECT_TRUE(IsDeleted(underForeign));
    EXPECT_TRUE(IsDeleted(foreignBelow));
    EXPECT_FALSE(IsDeleted(own));
    EXPECT_FALSE(IsDeleted(ownBelow));
    EXPECT_EQ(templ->Items().GetCount(), 1);
    EXPECT_EQ(own->Items().GetCount(), 2);
    EXPECT_EQ(CellIds(form.Get()), (Ids{0x0200000A}));
}

TEST_F(SRptReportRepair, AReportWithoutTemplatesIsRepairedAtOnce) {
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    templ.Clear();
    EXPECT_EQ(Repair(), S_OK);
}
