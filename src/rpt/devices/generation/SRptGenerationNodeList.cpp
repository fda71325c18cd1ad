#include "rpt/devices/generation/SRptGenerationNodeList.h"

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepClassColPtr.h"
#include "rpt/devices/helpers/SRptOutputHelperList.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptListCell.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/ISRptTableRow.h"

const GUID& SRptGenerationNodeList::GetProcsIID() const { return ISRptListProcs::iid; }

void SRptGenerationNodeList::FillKindFields(RPTPROCCONTEXT& record) {
    SComWrap<ISRptList> list;
    list = GetItem();
    FillSortColumns(list.Get(), record.SortColumns);
    SComWrap<ISRptGrpMember> member;
    member = GetItem();
    record.DisplayFlag = member->GetDisplayFlag();
}

void SRptGenerationNodeList::FillSortColumns(ISRptList* list, std::vector<int32_t>& columns) {
    columns.clear();
    if (!list->GetSorted()) return;
    // The columns are the cells of the first row; the user marks those to sort by.
    const SRepClassColPtr rows = list->Rows();
    if (!rows || rows.GetCount() == 0) return;
    SComWrap<ISRptTableRow> first;
    first = rows.Item(0);
    if (!first) return;
    const SRepClassColPtr cells = first->Cells();
    const int32_t count = cells ? cells.GetCount() : 0;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptListCell> cell;
        cell = cells.Item(position);
        if (cell && cell->GetSorted()) columns.push_back(cell->GetCellID());
    }
}

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeList::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperList>(this);
}
