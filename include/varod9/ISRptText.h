#pragma once
// A free text that the user types into a template.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTTEXT_TEXT = 0x020063E0;  // TEXT

struct RPT_EXPORT ISRptText : virtual ISRptGrpMember {
    static constexpr GUID iid = MakeGUID("{E5E9571D-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGrpMember;

    // A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetText() = 0;
    virtual HRESULT PutText(const SString& value) noexcept = 0;

protected:
    ~ISRptText() = default;
};

inline constexpr IID IID_ISRptText = ISRptText::iid;
