#pragma once
// An item whose content a host module supplies (groups, folders, group texts and titles, tables,
// user graphics): its title (a string of the module, a default, one the report gives for a title
// path, or one the user typed; which of them shows, RptItemDef.h tells), a parameter for the
// module, and the module's procedures and resources.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/RptExport.h"

// Stored attributes.
inline constexpr int32_t RPTCUSTOM_TITLERESID = 0x02006300;    // INT
inline constexpr int32_t RPTCUSTOM_DEFAULTTITLE = 0x02006301;  // TEXT
inline constexpr int32_t RPTCUSTOM_TITLEFROMRES = 0x02006302;  // TEXT
inline constexpr int32_t RPTCUSTOM_TITLE = 0x02006303;         // TEXT
inline constexpr int32_t RPTCUSTOM_ITEMPARAM = 0x02006304;     // INT
inline constexpr int32_t RPTCUSTOM_USERDEFINED = 0x02006307;   // BOOL
// Computed attributes.
inline constexpr int32_t RPTCUSTOM_DISPTITLE = 0x02006305;     // TEXT, read-only
inline constexpr int32_t RPTCUSTOM_RESPATH = 0x02006306;       // TEXT
inline constexpr int32_t RPTCUSTOM_EXDEFTITLE = 0x02006308;    // TEXT, read-only

struct RPT_EXPORT ISRptCustom : virtual ISRptGrpMember {
    static constexpr GUID iid = MakeGUID("{E5E95705-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGrpMember;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual int32_t GetTitleResID() = 0;
    virtual HRESULT PutTitleResID(int32_t value) noexcept = 0;
    virtual SString GetDefaultTitle() = 0;
    virtual HRESULT PutDefaultTitle(const SString& value) noexcept = 0;
    virtual SString GetTitleFromRes() = 0;
    virtual HRESULT PutTitleFromRes(const SString& value) noexcept = 0;
    virtual SString GetTitle() = 0;
    virtual HRESULT PutTitle(const SString& value) noexcept = 0;
    virtual int32_t GetItemParam() = 0;
    virtual HRESULT PutItemParam(int32_t value) noexcept = 0;
    virtual bool GetUserDefined() = 0;
    virtual HRESULT PutUserDefined(bool value) noexcept = 0;

    // The title shown: the user's when UserDefined, else the extended default title.
    virtual SString GetDispTitle() = 0;
    // The title the report gives for the resource path while the item is in a template of a
    // report, else DefaultTitle.
    virtual SString GetExDefTitle() = 0;
    virtual SString GetResPath() = 0;
    // S_FALSE and nothing changed for the path already held; else stores it and announces it.
    virtual HRESULT PutResPath(const SString& value) noexcept = 0;

    // The module's procedures (ISRptUserProcs), with the caller's reference; null for none.
    // E_POINTER for a null out-pointer.
    virtual HRESULT GetUserProcs(IUnknown** pRptUserProcs) noexcept = 0;
    // Holds other procedures (null: none).
    virtual HRESULT SetUserProcs(IUnknown* pRptUserProcs) noexcept = 0;
    // The module's resources, not counted.
    virtual HINSTANCE GetResInstance() = 0;
    virtual HRESULT SetResInstance(HINSTANCE hResInstance) noexcept = 0;

protected:
    ~ISRptCustom() = default;
};

inline constexpr IID IID_ISRptCustom = ISRptCustom::iid;
