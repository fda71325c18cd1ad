#pragma once
// One cell of a table row: what the host module declared for a field or column (its string and
// default text, the text loaded from the module, its own id of the field), its width (positive:
// fixed; negative: percent of what the fixed cells leave), whether it is a keyword or a title
// cell, three layout words and whether it is shown. Its display name is the title that the report
// gives for its title path, else its default text. The paragraph that formats it is its table's.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"

struct ISRptPara;
struct ISRptTableRow;
struct RPTTABLECELLDEF;

// Stored attributes.
inline constexpr int32_t RPTTABLECELL_ENABLED = 0x02006940;      // BOOL
inline constexpr int32_t RPTTABLECELL_CELLRESID = 0x02006941;    // INT
inline constexpr int32_t RPTTABLECELL_DEFAULTTEXT = 0x02006942;  // TEXT
inline constexpr int32_t RPTTABLECELL_TEXTFROMRES = 0x02006943;  // TEXT
inline constexpr int32_t RPTTABLECELL_CELLID = 0x02006944;       // INT
inline constexpr int32_t RPTTABLECELL_WIDTH = 0x02006945;        // SHORT
inline constexpr int32_t RPTTABLECELL_KEYWORD = 0x02006946;      // BOOL
inline constexpr int32_t RPTTABLECELL_TITLE = 0x02006947;        // BOOL
inline constexpr int32_t RPTTABLECELL_VERTALIGN = 0x02006948;    // SHORT
inline constexpr int32_t RPTTABLECELL_BORDER = 0x02006949;       // SHORT
inline constexpr int32_t RPTTABLECELL_BORDERWIDTH = 0x0200694A;  // SHORT
// Computed attributes.
inline constexpr int32_t RPTTABLECELL_DISPNAME = 0x0100000B;     // CHAR(254), read-only
inline constexpr int32_t RPTTABLECELL_RESPATH = 0x0200694B;      // TEXT
// Collection: the inverse end of the row's Cells.
inline constexpr int32_t RPTTABLECELL_ROWFROMCELL = 0x02806970;

// Defaults.
inline constexpr int16_t RPTTABLECELL_VALIGN_DEFAULT = 1;
inline constexpr int16_t RPTTABLECELL_BORDER_DEFAULT = 8;
inline constexpr int16_t RPTTABLECELL_BORDERWIDTH_DEFAULT = 26;

struct RPT_EXPORT ISRptTableCell : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E9571A-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual int32_t GetCellResID() = 0;
    virtual HRESULT PutCellResID(int32_t value) noexcept = 0;
    virtual SString GetDefaultText() = 0;
    virtual HRESULT PutDefaultText(const SString& value) noexcept = 0;
    virtual SString GetTextFromRes() = 0;
    virtual HRESULT PutTextFromRes(const SString& value) noexcept = 0;
    virtual int32_t GetCellID() = 0;
    virtual HRESULT PutCellID(int32_t value) noexcept = 0;
    virtual int16_t GetWidth() = 0;
    virtual HRESULT PutWidth(int16_t value) noexcept = 0;
    virtual bool GetKeyword() = 0;
    virtual HRESULT PutKeyword(bool value) noexcept = 0;
    virtual bool GetTitle() = 0;
    virtual HRESULT PutTitle(bool value) noexcept = 0;
    virtual int16_t GetVertAlign() = 0;
    virtual HRESULT PutVertAlign(int16_t value) noexcept = 0;
    virtual int16_t GetBorder() = 0;
    virtual HRESULT PutBorder(int16_t value) noexcept = 0;
    virtual int16_t GetBorderWidth() = 0;
    virtual HRESULT PutBorderWidth(int16_t value) noexcept = 0;
    virtual bool GetEnabled() = 0;
    virtual HRESULT PutEnabled(bool value) noexcept = 0;

    // The title the report gives for the title path while the cell is in a table of a template
    // of a report, else DefaultText.
    virtual SString GetDispName() = 0;
    virtual SString GetResPath() = 0;
    // S_FALSE and nothing changed for the path already held; else stores it and announces it.
    virtual HRESULT PutResPath(const SString& value) noexcept = 0;

    // The row that owns the cell, with the caller's reference; null and S_FALSE for a free cell.
    // E_POINTER for a null out-pointer. Throws SECOMException when the count of the owner end or
    // the query for the row fails.
    virtual HRESULT GetRow(ISRptTableRow** pTableRow) = 0;
    // The table's paragraph that formats the cell (position 1 for a title cell, 2 otherwise),
    // with the caller's reference. E_INVALIDARG for a null out-pointer. Throws
    // SECOMException(E_POINTER) for a cell outside a row of a table, and SECOMException when the
    // repository fails.
    virtual HRESULT GetPara(ISRptPara** pPara) = 0;
    // Takes the cell from a cell description and the module's resources; S_FALSE and nothing
    // changed for null.
    virtual HRESULT ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept = 0;

    virtual SRepClassColPtr RowFromCell() = 0;

protected:
    ~ISRptTableCell() = default;
};

inline constexpr IID IID_ISRptTableCell = ISRptTableCell::iid;
