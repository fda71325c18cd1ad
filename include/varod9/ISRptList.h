#pragma once
// A list: a table whose lines the module supplies at generation; the cells of its first row are
// its columns. When Sorted, the columns marked sorted give the sort keys.
#include <cstdint>

#include "varod9/ISRptTable.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTLIST_SORTED = 0x02006920;  // BOOL

// The list's DisplayFlag (ISRptGrpMember): whether it shows all the module's objects or only the
// modified ones.
inline constexpr int32_t RPTLIST_DISPLAY_ALL = 0;
inline constexpr int32_t RPTLIST_DISPLAY_MODIFIED = 1;

struct RPT_EXPORT ISRptList : virtual ISRptTable {
    static constexpr GUID iid = MakeGUID("{E5E95713-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTable;

    virtual bool GetSorted() = 0;
    virtual HRESULT PutSorted(bool value) noexcept = 0;

protected:
    ~ISRptList() = default;
};

inline constexpr IID IID_ISRptList = ISRptList::iid;
