#pragma once
// A folder: a group whose elements the module supplies, each preceded by a text of the module's,
// with a limit on how deep folders may nest in one another.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptGroup.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTFOLDER_TEXT = 0x02006380;         // TEXT
inline constexpr int32_t RPTFOLDER_NBMAXLEVELS = 0x02006381;  // INT, -1: no limit

struct RPT_EXPORT ISRptFolder : virtual ISRptGroup {
    static constexpr GUID iid = MakeGUID("{E5E9570F-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGroup;

    virtual SString GetText() = 0;
    virtual HRESULT PutText(const SString& value) noexcept = 0;
    virtual int32_t GetNbMaxLevels() = 0;
    virtual HRESULT PutNbMaxLevels(int32_t value) noexcept = 0;

protected:
    ~ISRptFolder() = default;
};

inline constexpr IID IID_ISRptFolder = ISRptFolder::iid;
