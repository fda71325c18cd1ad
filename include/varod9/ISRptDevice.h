#pragma once
// An output device: it generates a report into its medium (a file, the printer, the preview).
// Templates see it at the start of each generation pass, when they have their header and footer
// expanded by it.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"

struct ISRptGenerationClient;
struct ISRptReport;

struct RPT_EXPORT ISRptDevice : IUnknown {
    static constexpr GUID iid = MakeGUID("{E5E95706-B72F-11D1-8898-00A02455633B}");

    // The whole generation of the device's report: S_OK, E_ABORT when the user stopped the
    // printing, else the first failing result.
    virtual HRESULT Generate() = 0;
    // The device's text for a built-in header/footer field (1 date, 2 time, 3 page).
    virtual HRESULT GetFieldText(int32_t nFieldNumber, SString* pText) = 0;
    // The report being generated, with the caller's reference (null when there is none);
    // E_POINTER for a null out-pointer.
    virtual HRESULT GetReport(ISRptReport** ppReport) = 0;
    // The client of the running generation, with the caller's reference (null when there is
    // none); E_POINTER for a null out-pointer.
    virtual HRESULT GetGenerationClient(ISRptGenerationClient** ppClient) = 0;
    // A copy of `sText` whose "%NAME%" tokens are replaced: the built-in header/footer fields by
    // the device's values, other names by the value of the field that module `sModuleID`
    // registered under that name; a token that nothing answers stays as it is. `nNeedExpand`
    // tells whether the text must be expanded again later (the devices leave it 0).
    virtual HRESULT ExpandHeaderFooter(const SString& sModuleID, const SString& sText, SString& sExpanded,
                                       int32_t& nNeedExpand) = 0;

protected:
    ~ISRptDevice() = default;
};

inline constexpr IID IID_ISRptDevice = ISRptDevice::iid;
