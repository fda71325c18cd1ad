#pragma once
// The root of the report interfaces: IUnknown and the repository object protocol, nothing of its
// own. Every report interface extends it, class by class down the derivation chain, each naming
// the interface it extends as `BaseInterface` and extending it virtually, so that one object
// implements the whole chain once.
#include "platform/repo/ISRepObject.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptBase : virtual ISRepObject {
    static constexpr GUID iid = MakeGUID("{E5E95702-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRepObject;

protected:
    ~ISRptBase() = default;
};

inline constexpr IID IID_ISRptBase = ISRptBase::iid;
