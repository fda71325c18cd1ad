#pragma once
// A group item registered by a host module (a folder, a group title): a container whose members
// are generated again for each element that the module announces. The group keeps the state of
// that walk in four attributes of its own, so that it is saved with the item; a generation that
// runs to its end leaves them at their defaults. Sub-items keep their group to compare it by
// identity.
#include <cstdint>

#include "varod9/ISRptCustom.h"
#include "varod9/RptExport.h"

// Stored attributes: the state of the walk over the module's elements.
inline constexpr int32_t RPTGROUP_VALID = 0x02006320;      // BOOL, a walk is under way
inline constexpr int32_t RPTGROUP_NBITEMS = 0x02006321;    // INT, elements announced
inline constexpr int32_t RPTGROUP_ITEMINDEX = 0x02006322;  // INT, elements started (1 during the first)
inline constexpr int32_t RPTGROUP_USERPARAM = 0x02006323;  // INT, the module's own word

struct RPT_EXPORT ISRptGroup : virtual ISRptCustom {
    static constexpr GUID iid = MakeGUID("{E5E95709-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptCustom;

    // A put of the value already stored changes nothing and returns S_FALSE.
    virtual bool GetValid() = 0;
    virtual HRESULT PutValid(bool value) noexcept = 0;
    virtual int32_t GetNbItems() = 0;
    virtual HRESULT PutNbItems(int32_t value) noexcept = 0;
    virtual int32_t GetItemIndex() = 0;
    virtual HRESULT PutItemIndex(int32_t value) noexcept = 0;
    virtual int32_t GetUserParam() = 0;
    virtual HRESULT PutUserParam(int32_t value) noexcept = 0;

protected:
    ~ISRptGroup() = default;
};

inline constexpr IID IID_ISRptGroup = ISRptGroup::iid;
