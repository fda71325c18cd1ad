#pragma once
// The procedures a host module supplies for its folders: those every kind has. The library calls
// them as a group title's (ISRptGrpTitleProcs.h), the record carrying NbMaxLevels where a group
// title's carries UserOrder: the module walks the folder's elements, names each element's run of
// the items under the folder through GetMemberText (Text2 and ObjectID), and answers those items'
// calls for its current element.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFolderProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptFolderProcs() = default;
};

inline constexpr IID IID_ISRptFolderProcs = ISRptFolderProcs::iid;
