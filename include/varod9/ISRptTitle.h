#pragma once
// A title that the user types into a template, with its heading level. Other items may be placed
// under a title.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTTITLE_LEVEL = 0x02006400;  // SHORT
inline constexpr int32_t RPTTITLE_TEXT = 0x02006401;   // TEXT

struct RPT_EXPORT ISRptTitle : virtual ISRptGrpMember {
    static constexpr GUID iid = MakeGUID("{E5E9571F-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGrpMember;

    // A put of the value already stored changes nothing and returns S_FALSE.
    virtual int16_t GetLevel() = 0;
    virtual HRESULT PutLevel(int16_t value) noexcept = 0;
    virtual SString GetText() = 0;
    virtual HRESULT PutText(const SString& value) noexcept = 0;

protected:
    ~ISRptTitle() = default;
};

inline constexpr IID IID_ISRptTitle = ISRptTitle::iid;
