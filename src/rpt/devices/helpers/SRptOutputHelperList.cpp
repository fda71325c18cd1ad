#include "rpt/devices/helpers/SRptOutputHelperList.h"

#include <memory>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptList.h"

HRESULT SRptOutputHelperList::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = InitAndFillNodeRecord(client, &record, std::addressof(procs));
    if (FAILED(hr)) return hr;
    const SComWrap<ISRptList> list = ItemAs<ISRptList>();
    SComWrap<ISRptPara> headingPara;
    SComWrap<ISRptPara> textPara;
    GetCellFormats(list.Get(), headingPara, textPara);
    m_columns = list->GetNbMaxCells();

    // The first row defines the columns of every row of the list. Without one the list has no
    // columns to head or fill, and the module is not asked for rows it could not show.
    const SRepClassColPtr rows = list->Rows();
    if (!rows || rows.GetCount() == 0) return S_OK;
    SComWrap<ISRptTableRow> definition;
    definition = rows.Item(0);
    if (!definition) SComThrow(E_POINTER);
    const std::vector<SComWrap<ISRptTableCell>> cells = GetEnabledCells(definition.Get());
    const int32_t columns = static_cast<int32_t>(cells.size());

    m_rowMap.SetAt(0, definition.Get());
    for (int32_t column = 0; column < columns; ++column)
        StoreLabelCell(0, column, cells[column].Get(), headingPara.Get());

    int32_t rowIndex = 1;
    while (procs->Fetch(nullptr, &record) == 1) {
        m_rowMap.SetAt(rowIndex, definition.Get());
        for (int32_t column = 0; column < columns; ++column)
            StoreModuleCell(rowIndex, column, cells[column].Get(), textPara.Get(), procs.Get(), record);
        ++rowIndex;
        // The module counts its data rows by this word.
        ++record.RowCursor;
        procs->Next(nullptr, &record);
    }
    m_rows = rowIndex;
    m_headingRows = 1;
    return S_OK;
}
