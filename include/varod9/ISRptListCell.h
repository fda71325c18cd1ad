#pragma once
// A cell of a list row: a column of the list, which the module may let serve as a sort key
// (Sortable) and which the user may choose as one (Sorted).
#include "varod9/ISRptTableCell.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTLISTCELL_SORTABLE = 0x02006900;  // BOOL
inline constexpr int32_t RPTLISTCELL_SORTED = 0x02006901;    // BOOL

struct RPT_EXPORT ISRptListCell : virtual ISRptTableCell {
    static constexpr GUID iid = MakeGUID("{E5E95715-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTableCell;

    virtual bool GetSortable() = 0;
    virtual HRESULT PutSortable(bool value) noexcept = 0;
    virtual bool GetSorted() = 0;
    virtual HRESULT PutSorted(bool value) noexcept = 0;

protected:
    ~ISRptListCell() = default;
};

inline constexpr IID IID_ISRptListCell = ISRptListCell::iid;
