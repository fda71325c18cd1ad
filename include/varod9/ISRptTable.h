#pragma once
// A table item (a form, a list): a module's item that lays its content out as rows of cells. It
// owns its rows (Rows); each row owns its cells. Its paragraphs are, by position, 0 its own
// title, 1 the paragraph of its title cells and 2 that of its other cells. The counts are
// answered as numbers and a failure of the repository inside them is thrown as SECOMException.
#include <cstdint>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptCustom.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTTABLE_ROWS = 0x02006990;  // owned; inverse end RPTTABLEROW_TABLEFROMROW

struct RPT_EXPORT ISRptTable : virtual ISRptCustom {
    static constexpr GUID iid = MakeGUID("{E5E95719-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptCustom;

    // The largest number of cells of a row, disabled cells included; 0 without rows.
    virtual int32_t GetNbMaxCells() = 0;
    // The number of heading rows in the unbroken run at the top.
    virtual int32_t GetNbHeadingRows() = 0;
    virtual int32_t GetNbRows() = 0;
    // Brings the table's label paths into line with the table its module registered. Throws
    // SECOMException when the repository fails while the rows and cells are matched.
    virtual HRESULT UpdateLabelPath(ISRptTable* pRegistered) = 0;

    virtual SRepClassColPtr Rows() = 0;

protected:
    ~ISRptTable() = default;
};

inline constexpr IID IID_ISRptTable = ISRptTable::iid;
