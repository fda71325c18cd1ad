#pragma once
// The procedures a host module supplies for its folders: those every kind has. The module walks
// the folder's elements and names each member run through GetMemberText.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFolderProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptFolderProcs() = default;
};

inline constexpr IID IID_ISRptFolderProcs = ISRptFolderProcs::iid;
