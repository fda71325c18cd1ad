#pragma once
// The available items of a module: the root of the module's private session, an item whose
// children are the items a user can place into a template (the six built-in ones, then the
// module's), each with its own sub-items. A report keeps a copy of the container of each module
// it draws on.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"

// Collections: the report that keeps the container (inverse end of its Availables) and the
// target models.
inline constexpr int32_t RPTAVAILABLEITEMS_REPORT = 0x02806551;
inline constexpr int32_t RPTAVAILABLEITEMS_EXTSESS = 0x04000199;

struct RPT_EXPORT ISRptAvailableItems : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E95701-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    // Stored attributes, at most 254 characters each. A put of the value already stored changes
    // nothing and returns S_FALSE.
    virtual SString GetName() = 0;
    virtual HRESULT PutName(const SString& value) noexcept = 0;
    virtual SString GetCode() = 0;
    virtual HRESULT PutCode(const SString& value) noexcept = 0;

    // Appends an item to the container's Items; null does nothing. S_OK. Throws SECOMException
    // when the repository refuses the item.
    virtual HRESULT AddItem(ISRptItem* pNewItem) = 0;
    // Appends an item to the Items of its parent (a sub-item is found only through its parent);
    // nothing when either is null. S_OK. Throws SECOMException when the repository refuses it.
    virtual HRESULT AddSubItem(ISRptItem* pNewItem, ISRptItem* pParentItem) = 0;
    // Walks the container's tree (from pFromItem on when it is given, not into pToItem's
    // children) for an item of the class `clsid` with the item id and the module id (compared
    // byte-wise, case-sensitive); when several match, the last one walked. pFoundItem gets it
    // with the caller's reference, or null; E_POINTER for a null pFoundItem. Throws
    // SECOMException when the repository fails during the walk.
    virtual HRESULT FindItem(const GUID& clsid, const SString& sItemID, const SString& sModuleID, ISRptItem* pFromItem,
                             ISRptItem* pToItem, ISRptItem** pFoundItem) = 0;
    // Makes the six built-in items (table of contents, title, text, text file, graphic file, page
    // break) in the container and enters each in the library's module item table under the
    // container's ModuleID. S_FALSE without the table; the code of a creation that fails (the
    // items made before it stay). Throws SECOMException when the repository fails otherwise.
    virtual HRESULT CreateCommonItems() = 0;

    virtual SRepClassColPtr Report() = 0;
    virtual SRepClassColPtr ExtSess() = 0;

protected:
    ~ISRptAvailableItems() = default;
};

inline constexpr IID IID_ISRptAvailableItems = ISRptAvailableItems::iid;
