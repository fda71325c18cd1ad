#pragma once
// The table of contents of a generated report: its title (the report's own, or one the user
// wrote) and how many heading levels it lists. It is never a member of a group.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"

// Stored attributes.
inline constexpr int32_t RPTTBLCTS_TITLE = 0x02006480;         // TEXT
inline constexpr int32_t RPTTBLCTS_NBPARAGRAPHS = 0x0200609A;  // INT
inline constexpr int32_t RPTTBLCTS_USERDEFINED = 0x02006307;   // BOOL
// Computed attributes, read-only.
inline constexpr int32_t RPTTBLCTS_DISPTITLE = 0x02006305;     // TEXT
inline constexpr int32_t RPTTBLCTS_EXDEFTITLE = 0x02006308;    // TEXT

struct RPT_EXPORT ISRptTblCts : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E9571C-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetTitle() = 0;
    virtual HRESULT PutTitle(const SString& value) noexcept = 0;
    virtual int32_t GetNbParagraphs() = 0;
    virtual HRESULT PutNbParagraphs(int32_t value) noexcept = 0;
    virtual bool GetUserDefined() = 0;
    virtual HRESULT PutUserDefined(bool value) noexcept = 0;

    // The title shown: Title when UserDefined, else ExDefTitle.
    virtual SString GetDispTitle() = 0;
    // The report's own title for a table of contents; empty outside a template of a report.
    virtual SString GetExDefTitle() = 0;

protected:
    ~ISRptTblCts() = default;
};

inline constexpr IID IID_ISRptTblCts = ISRptTblCts::iid;
