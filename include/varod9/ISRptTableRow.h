#pragma once
// One row of a table item: its layout (height, indent, alignment, spacing between cells, heading
// or footing row, shown or not) and its cells, which it owns (Cells). A row is no report item: it
// has no paragraphs and no label. Lengths are in hundredths of a millimetre.
#include <cstdint>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"

struct ISRptTable;
struct RPTTABLEROWDEF;

// Stored attributes.
inline constexpr int32_t RPTTABLEROW_HEIGHTTYPE = 0x02006960;      // SHORT
inline constexpr int32_t RPTTABLEROW_HEIGHT = 0x02006961;          // INT
inline constexpr int32_t RPTTABLEROW_LEFT = 0x02006962;            // INT
inline constexpr int32_t RPTTABLEROW_ROWBREAK = 0x02006963;        // BOOL
inline constexpr int32_t RPTTABLEROW_ALIGNMENT = 0x02006964;       // SHORT
inline constexpr int32_t RPTTABLEROW_SPBETWEENCELLS = 0x02006965;  // SHORT
inline constexpr int32_t RPTTABLEROW_HEADINGROW = 0x02006966;      // BOOL
inline constexpr int32_t RPTTABLEROW_FOOTINGROW = 0x02006967;      // BOOL
inline constexpr int32_t RPTTABLEROW_ENABLED = 0x02006968;         // BOOL
// Collections: the cells, owned, and the inverse end of the table's Rows.
inline constexpr int32_t RPTTABLEROW_CELLS = 0x02006970;
inline constexpr int32_t RPTTABLEROW_TABLEFROMROW = 0x02806990;

// Defaults.
inline constexpr int16_t RPTTABLEROW_HEIGHTTYPE_DEFAULT = 1;
inline constexpr int16_t RPTTABLEROW_ALIGNMENT_DEFAULT = 1;
inline constexpr int16_t RPTTABLEROW_SPBETWEENCELLS_DEFAULT = 400;

struct RPT_EXPORT ISRptTableRow : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E9571B-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    // A put of the value already stored changes nothing and returns S_FALSE.
    virtual int16_t GetHeightType() = 0;
    virtual HRESULT PutHeightType(int16_t value) noexcept = 0;
    virtual int32_t GetHeight() = 0;
    virtual HRESULT PutHeight(int32_t value) noexcept = 0;
    virtual int32_t GetLeft() = 0;
    virtual HRESULT PutLeft(int32_t value) noexcept = 0;
    virtual bool GetRowBreak() = 0;
    virtual HRESULT PutRowBreak(bool value) noexcept = 0;
    virtual int16_t GetAlignment() = 0;
    virtual HRESULT PutAlignment(int16_t value) noexcept = 0;
    virtual int16_t GetSpBetweenCells() = 0;
    virtual HRESULT PutSpBetweenCells(int16_t value) noexcept = 0;
    virtual bool GetHeadingRow() = 0;
    virtual HRESULT PutHeadingRow(bool value) noexcept = 0;
    virtual bool GetFootingRow() = 0;
    virtual HRESULT PutFootingRow(bool value) noexcept = 0;
    virtual bool GetEnabled() = 0;
    virtual HRESULT PutEnabled(bool value) noexcept = 0;

    // The number of cells, enabled or not. A failure of the repository is thrown as
    // SECOMException.
    virtual int32_t GetNbCells() = 0;
    // The widths of the enabled cells, in cell order, one entry each, for a paragraph of
    // `nParaWidth`: a positive Width is fixed, a negative one is that many percent of what the
    // fixed widths leave, 0 is no width. `nWidths` needs room for GetNbCells() entries.
    // E_INVALIDARG for a null array. Throws SECOMException when the cells cannot be walked or
    // one of them is no cell.
    virtual HRESULT GetCellsWidths(int32_t nParaWidth, int32_t* nWidths) = 0;
    // The table that owns the row, with the caller's reference; null and S_FALSE for a free row.
    // E_POINTER for a null out-pointer. Throws SECOMException when the count of the owner end or
    // the query for the table fails.
    virtual HRESULT GetTable(ISRptTable** pTable) = 0;
    // Takes the row's layout from a row description; S_FALSE and nothing changed for null.
    virtual HRESULT ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) noexcept = 0;

    virtual SRepClassColPtr Cells() = 0;
    virtual SRepClassColPtr TableFromRow() = 0;

protected:
    ~ISRptTableRow() = default;
};

inline constexpr IID IID_ISRptTableRow = ISRptTableRow::iid;
