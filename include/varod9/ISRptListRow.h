#pragma once
// A row of a list: a table row whose cells are the list's columns.
#include "varod9/ISRptTableRow.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptListRow : virtual ISRptTableRow {
    static constexpr GUID iid = MakeGUID("{E5E95714-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTableRow;

protected:
    ~ISRptListRow() = default;
};

inline constexpr IID IID_ISRptListRow = ISRptListRow::iid;
