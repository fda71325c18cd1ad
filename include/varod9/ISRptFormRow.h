#pragma once
// A row of a form: its name and its fields are the display names of its cells that are not
// keyword cells, joined by ";".
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptExport.h"

// Computed attributes.
inline constexpr int32_t RPTFORMROW_DISPNAME = 0x0100000B;   // CHAR(254), read-only
inline constexpr int32_t RPTFORMROW_ROWFIELDS = 0x02006930;  // TEXT, read-only

struct RPT_EXPORT ISRptFormRow : virtual ISRptTableRow {
    static constexpr GUID iid = MakeGUID("{E5E95712-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTableRow;

    // RowFields. A cell that is no form cell is thrown as SECOMException(E_POINTER).
    virtual SString GetDispName() = 0;
    virtual SString GetRowFields() = 0;

protected:
    ~ISRptFormRow() = default;
};

inline constexpr IID IID_ISRptFormRow = ISRptFormRow::iid;
