#include "rpt/devices/helpers/SRptOutputHelperForm.h"

#include <memory>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptFormRow.h"

HRESULT SRptOutputHelperForm::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = InitAndFillNodeRecord(client, &record, std::addressof(procs));
    if (FAILED(hr)) return hr;
    const SComWrap<ISRptForm> form = ItemAs<ISRptForm>();
    SComWrap<ISRptPara> labelPara;
    SComWrap<ISRptPara> valuePara;
    GetCellFormats(form.Get(), labelPara, valuePara);

    const SRepClassColPtr rows = form->Rows();
    const int32_t count = rows ? rows.GetCount() : 0;
    int32_t rowIndex = -1;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptFormRow> row;
        row = rows.Item(position);
        // A disabled row takes no place in the grid.
        if (!row->GetEnabled()) continue;
        ++rowIndex;
        ++m_rows;
        if (row->GetHeadingRow()) ++m_headingRows;
        m_rowMap.SetAt(rowIndex, row.Get());
        int32_t column = 0;
        for (const SComWrap<ISRptTableCell>& cell : GetEnabledCells(row.Get())) {
            // A keyword cell shows the module's value, any other its label.
            if (cell->GetKeyword())
                StoreModuleCell(rowIndex, column, cell.Get(), valuePara.Get(), procs.Get(), record);
            else
                StoreLabelCell(rowIndex, column, cell.Get(), labelPara.Get());
            ++column;
        }
    }
    m_columns = form->GetNbMaxCells();
    return S_OK;
}
