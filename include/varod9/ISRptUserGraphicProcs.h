#pragma once
// The procedures a host module supplies for its user graphics: those every kind has. GetValue
// draws the picture into the record's device context.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptUserGraphicProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95602-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptUserGraphicProcs() = default;
};

inline constexpr IID IID_ISRptUserGraphicProcs = ISRptUserGraphicProcs::iid;
