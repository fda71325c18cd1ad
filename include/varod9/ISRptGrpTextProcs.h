#pragma once
// The procedures a host module supplies for its group texts: those every kind has. GetValue
// answers the text of the current element.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptGrpTextProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95603-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptGrpTextProcs() = default;
};

inline constexpr IID IID_ISRptGrpTextProcs = ISRptGrpTextProcs::iid;
