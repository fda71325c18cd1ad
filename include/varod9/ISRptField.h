#pragma once
// A text variable registered by a host module (the model's name, its author ...): a fixed value,
// or one that the module's provider gives. It is registered under its token, "%" included
// ("%MODELNAME%"), and its module's id.
//
// Where it shows: in the page headers and footers of the templates of its module (the template's
// ModuleID), where a generation puts the field's value in place of its token (and, in an RTF
// file, in the title page's date). Nowhere else: the texts of items, titles and cells show a token
// as it was written. Besides the module's fields, headers and footers know the library's own
// "%DATE%", "%TIME%" and "%PAGE%"; a token that neither knows, or whose field's provider answers
// anything but S_OK, stays in the header as it was written. A new template's default header is
// "%MODULE%\t%MODELNAME%": a module that does not register both fields has its reports print them
// as tokens.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"
#include "varod9/RptFieldDef.h"

struct ISRptReport;
struct ISRptGenerationClient;

inline constexpr int32_t RPTFIELD_MODULEID = 0x02006801;      // TEXT
inline constexpr int32_t RPTFIELD_FIELDNAME = 0x02006802;     // TEXT
inline constexpr int32_t RPTFIELD_DESCR = 0x02006803;         // TEXT
inline constexpr int32_t RPTFIELD_VALUE = 0x02006804;         // TEXT
inline constexpr int32_t RPTFIELD_PRESENCEFLAG = 0x02006805;  // INT

struct RPT_EXPORT ISRptField : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E9570E-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetModuleID() = 0;
    virtual HRESULT PutModuleID(const SString& value) noexcept = 0;
    virtual SString GetFieldName() = 0;
    virtual HRESULT PutFieldName(const SString& value) noexcept = 0;
    virtual SString GetDescr() = 0;
    virtual HRESULT PutDescr(const SString& value) noexcept = 0;
    virtual SString GetValue() = 0;
    virtual HRESULT PutValue(const SString& value) noexcept = 0;
    virtual int32_t GetPresenceFlag() = 0;
    virtual HRESULT PutPresenceFlag(int32_t value) noexcept = 0;

    // Takes the attributes and the value provider of a module's description. E_POINTER for null.
    virtual HRESULT ConstructWithFieldDef(const RPTFIELDDEF* pFieldDef) noexcept = 0;
    // The field's value: the provider's answer when there is a provider (sOut only changes on
    // S_OK, and its result is returned; what the provider throws becomes its code), else Value
    // and S_OK.
    virtual HRESULT GetFieldVal(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient,
                                SString& sOut) noexcept = 0;

protected:
    ~ISRptField() = default;
};

inline constexpr IID IID_ISRptField = ISRptField::iid;
