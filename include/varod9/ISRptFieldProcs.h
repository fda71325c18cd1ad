#pragma once
// The value provider of a field, supplied by the host module that registers the field.
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"
#include "varod9/RptFieldDef.h"

struct ISRptReport;

struct RPT_EXPORT ISRptFieldProcs : IUnknown {
    // Handed in directly with the field's description, never asked for by this id.
    static constexpr GUID iid = MakeGUID("{BD7D700C-4D9B-4955-9DFA-3B586695021B}");

    // The field's value for a report into pRequest->Value: S_OK with the value; any other result
    // leaves the caller's text as it was. The module's code, so not noexcept: the field turns what
    // it throws into a code.
    virtual HRESULT GetFieldVal(ISRptReport* pReport, RPTFIELDVALREQ* pRequest) = 0;

protected:
    ~ISRptFieldProcs() = default;
};

inline constexpr IID IID_ISRptFieldProcs = ISRptFieldProcs::iid;
