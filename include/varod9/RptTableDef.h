#pragma once
// The row and cell description records of a form or a list, which a host module hands in with
// the item description (RPTUSRITEMDEF's table tail: a count and the first of its row records).
// Each row record points to the first of its cell records. The library only reads them.
//
// The size words are version tags, not byte counts of these structures: a row record says 44, a
// cell record of a form 44 and a cell record of a list 48 (the list's record carries Sortable
// besides). A form or a list refuses a record whose tag is not its own with E_INVALIDARG.
//
// The text a cell shows where it is no keyword cell (a list's column heading, a form's label) is
// its display name (ISRptTableCell::GetDispName): while its table is in a template of a report and
// ResPath is not empty, the text that the first registered module's client gives for ResPath
// (ISRptModuleClient::GetReportTitleText); when that is empty, and everywhere else, DefaultText.
// The string CellResID names is loaded into the cell's TextFromRes, which no output shows.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/RptExport.h"

inline constexpr uint32_t RPTTABLEROWDEF_SIZE = 44;
inline constexpr uint32_t RPTTABLECELLDEF_SIZE_FORM = 44;
inline constexpr uint32_t RPTTABLECELLDEF_SIZE_LIST = 48;

struct RPT_EXPORT RPTTABLECELLDEF {
    uint32_t Size = RPTTABLECELLDEF_SIZE_FORM;
    int32_t CellResID = 0;   // a string of the module's resources, kept as TextFromRes (see above)
    SString DefaultText;     // the text shown when the report gives none for ResPath
    SString ResPath;         // the title path that the report turns into the cell's text
    int32_t CellID = 0;      // the module's own id of the field or column
    int16_t Width = 0;       // positive: fixed; negative: percent of what the fixed cells leave
    int32_t Keyword = 0;     // non-zero: the cell identifies its form row
    int32_t Title = 0;       // non-zero: formatted by the table's cell-title paragraph
    int16_t VertAlign = 0;
    int16_t Border = 0;
    int16_t BorderWidth = 0;
    int32_t Enabled = 0;     // non-zero: shown
    int32_t Sortable = 0;    // lists only (Size 48): non-zero, the column may serve as a sort key
};

struct RPT_EXPORT RPTTABLEROWDEF {
    uint32_t Size = RPTTABLEROWDEF_SIZE;
    int16_t HeightType = 0;
    int32_t Height = 0;      // hundredths of a millimetre, as every length of a row
    int32_t Left = 0;
    int32_t RowBreak = 0;    // non-zero: the row may break across pages
    int16_t Alignment = 0;
    int16_t SpBetweenCells = 0;
    int32_t HeadingRow = 0;  // non-zero: true, as the three words below
    int32_t FootingRow = 0;
    int32_t Enabled = 0;
    int16_t NbCells = 0;                     // below 1: no cells
    const RPTTABLECELLDEF* Cells = nullptr;  // NbCells consecutive cell records
};
