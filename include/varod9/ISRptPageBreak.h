#pragma once
// A page break in a template; in HTML output it starts a new page only when asked to.
#include <cstdint>

#include "varod9/ISRptGrpMember.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTPAGEBREAK_HTMLGEN = 0x02006420;  // BOOL

struct RPT_EXPORT ISRptPageBreak : virtual ISRptGrpMember {
    static constexpr GUID iid = MakeGUID("{E5E95717-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGrpMember;

    // A put of the value already stored changes nothing and returns S_FALSE.
    virtual bool GetHtmlGen() = 0;
    virtual HRESULT PutHtmlGen(bool value) noexcept = 0;

protected:
    ~ISRptPageBreak() = default;
};

inline constexpr IID IID_ISRptPageBreak = ISRptPageBreak::iid;
