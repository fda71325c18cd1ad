#pragma once
// The procedures a host module supplies for its group titles: those every kind has, and whether
// the module lets the user choose the order of the group's elements (the user's own or the
// alphabetical one).
#include <cstdint>

#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptGrpTitleProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95604-B72F-11D1-8898-00A02455633B}");

    // Non-zero when the module offers the choice of order.
    virtual int32_t HasUserOrder() = 0;

protected:
    ~ISRptGrpTitleProcs() = default;
};

inline constexpr IID IID_ISRptGrpTitleProcs = ISRptGrpTitleProcs::iid;
