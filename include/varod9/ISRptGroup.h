#pragma once
// A group item registered by a host module, under which the module registers sub-items. A
// sub-item keeps its group only to compare it by identity; the group's own operations come with
// the group item.
#include "varod9/ISRptCustom.h"

struct ISRptGroup : virtual ISRptCustom {
    static constexpr GUID iid = MakeGUID("{E5E95709-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptCustom;

protected:
    ~ISRptGroup() = default;
};

inline constexpr IID IID_ISRptGroup = ISRptGroup::iid;
