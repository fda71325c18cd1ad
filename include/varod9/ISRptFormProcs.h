#pragma once
// The procedures a host module supplies for its forms: those every kind has. GetValue answers
// the text of the cell whose CellID the record names.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFormProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95600-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptFormProcs() = default;
};

inline constexpr IID IID_ISRptFormProcs = ISRptFormProcs::iid;
