#pragma once
// The procedures a host module supplies for its lists, reached from the list's user procedures:
// the procedures every kind shares, then whether the module offers an editor command for the list
// (the display commands "&All" and "Only &modified ones").
#include <cstdint>

#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptListProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95605-B72F-11D1-8898-00A02455633B}");

    // Non-zero: the module offers the command `nID` for its list.
    virtual int32_t IsCommandSupported(uint32_t nID) = 0;

protected:
    ~ISRptListProcs() = default;
};

inline constexpr IID IID_ISRptListProcs = ISRptListProcs::iid;
