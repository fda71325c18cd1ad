#include "rpt/devices/helpers/SRptOutputHelperTable.h"

#include <utility>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptUserProcs.h"

HRESULT SRptOutputHelperTable::ResolveLinks() {
    if (!m_node) return S_OK;
    for (SRptCellInfoMap::Node node = m_cells.GetFirst(); node; node = m_cells.GetNext(node)) {
        const RPTCELLKEY& key = node.GetKey();
        if (key.row >= m_rows || key.column >= m_columns) continue;
        RPTCELLINFO& cell = node.GetValue();
        cell.Link = FindLinkedNode(cell.TargetItem, cell.ObjectID);
    }
    return S_OK;
}

HRESULT SRptOutputHelperTable::GetCell(int32_t row, int32_t column, RPTCELLINFO* cell) const {
    if (!cell) return E_POINTER;
    const RPTCELLINFO* found = m_cells.Lookup(row, column);
    if (!found) return S_FALSE;
    *cell = *found;
    return S_OK;
}

ISRptTableRow* SRptOutputHelperTable::GetRow(int32_t row) {
    return m_rowMap.GetAt(row);
}

// The formats' places among the table's paragraphs.
static constexpr int32_t kLabelPara = 1;
static constexpr int32_t kValuePara = 2;

void SRptOutputHelperTable::GetCellFormats(ISRptParaContainer* table, SComWrap<ISRptPara>& label,
                                           SComWrap<ISRptPara>& value) {
    table->GetParaAtPos(kLabelPara, &label);
    table->GetParaAtPos(kValuePara, &value);
}

std::vector<SComWrap<ISRptTableCell>> SRptOutputHelperTable::GetEnabledCells(ISRptTableRow* row) {
    std::vector<SComWrap<ISRptTableCell>> enabled;
    const SRepClassColPtr cells = row->Cells();
    const int32_t count = cells ? cells.GetCount() : 0;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptTableCell> cell;
        cell = cells.Item(position);
        if (cell->GetEnabled()) enabled.push_back(cell);
    }
    return enabled;
}

void SRptOutputHelperTable::StoreLabelCell(int32_t row, int32_t column, ISRptTableCell* cell, ISRptPara* para) {
    RPTCELLINFO info;
    info.Text = cell->GetDispName();
    info.Para.Reset(para);
    m_cells.Insert(row, column, std::move(info));
}

void SRptOutputHelperTable::StoreModuleCell(int32_t row, int32_t column, ISRptTableCell* cell, ISRptPara* para,
                                            ISRptProcs* procs, RPTPROCCONTEXT& record) {
    // The same record serves every cell: what the module left for the previous cell must not
    // show in a cell for which it gives nothing.
    record.CellText = SString();
    record.TargetItem = nullptr;
    record.ObjectID = GUID_NULL;
    record.CellID = cell->GetCellID();
    // Whatever the record holds afterwards is the cell: the answer tells nothing more.
    procs->GetValue(nullptr, &record);
    RPTCELLINFO info;
    info.Text = record.CellText;
    info.Para.Reset(para);
    info.TargetItem = record.TargetItem;
    info.ObjectID = record.ObjectID;
    m_cells.Insert(row, column, std::move(info));
}
