#pragma once
// A group title: a group whose elements the module supplies, each preceded by a title of the
// module's, shown in the user's order of the elements or in alphabetical order.
#include "platform/base/SString.h"
#include "varod9/ISRptGroup.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTGRPTITLE_TEXT = 0x02006340;       // TEXT
inline constexpr int32_t RPTGRPTITLE_USERORDER = 0x02006341;  // BOOL, true: the user's order

struct RPT_EXPORT ISRptGrpTitle : virtual ISRptGroup {
    static constexpr GUID iid = MakeGUID("{E5E9570C-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGroup;

    virtual SString GetText() = 0;
    virtual HRESULT PutText(const SString& value) noexcept = 0;
    virtual bool GetUserOrder() = 0;
    virtual HRESULT PutUserOrder(bool value) noexcept = 0;

protected:
    ~ISRptGrpTitle() = default;
};

inline constexpr IID IID_ISRptGrpTitle = ISRptGrpTitle::iid;
