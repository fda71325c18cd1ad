#pragma once
// A group text: a module's item whose text elements the module supplies at generation, under a
// title of their own. No container.
#include "varod9/ISRptCustom.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTGRPTEXT_DISPLAYIFEMPTY = 0x02006361;  // BOOL

struct RPT_EXPORT ISRptGrpText : virtual ISRptCustom {
    static constexpr GUID iid = MakeGUID("{E5E9570B-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptCustom;

    virtual bool GetDisplayIfEmpty() = 0;
    virtual HRESULT PutDisplayIfEmpty(bool value) noexcept = 0;

protected:
    ~ISRptGrpText() = default;
};

inline constexpr IID IID_ISRptGrpText = ISRptGrpText::iid;
