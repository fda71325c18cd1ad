#pragma once
// An item that may belong to a group registered by a host module: such a sub-item can only be
// placed inside an item made from its own group.
#include <cstdint>

#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"

struct ISRptGroup;

inline constexpr int32_t RPTGRPMEMBER_DISPLAYFLAG = 0x0200610D;  // INT

struct RPT_EXPORT ISRptGrpMember : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E9570A-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    virtual int32_t GetDisplayFlag() = 0;
    virtual HRESULT PutDisplayFlag(int32_t value) noexcept = 0;
    // The group the item belongs to, with the caller's reference; null for none. E_POINTER for a
    // null out-pointer.
    virtual HRESULT GetParentGroup(ISRptGroup** pParentGroup) noexcept = 0;

protected:
    ~ISRptGrpMember() = default;
};

inline constexpr IID IID_ISRptGrpMember = ISRptGrpMember::iid;
