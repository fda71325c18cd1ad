#pragma once
// A cell of a form row. Its keyword cells identify the row (by CellID); the others carry the
// row's texts and their title paths.
#include "varod9/ISRptTableCell.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFormCell : virtual ISRptTableCell {
    static constexpr GUID iid = MakeGUID("{E5E95711-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTableCell;

protected:
    ~ISRptFormCell() = default;
};

inline constexpr IID IID_ISRptFormCell = ISRptFormCell::iid;
