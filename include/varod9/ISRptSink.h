#pragma once
// An advise sink of a host module (RptAdvise): told when a report editor or a print preview closes.
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"

class SShellView;

struct RPT_EXPORT ISRptSink : IUnknown {
    // Handed in directly with RptAdvise, never asked for by this id.
    static constexpr GUID iid = MakeGUID("{8E2F6D19-4A3B-4C57-B0E6-71D95A2C8F40}");

    // The view is closing. The module's code, so not noexcept.
    virtual HRESULT OnViewClosing(SShellView* pView) = 0;

protected:
    ~ISRptSink() = default;
};

inline constexpr IID IID_ISRptSink = ISRptSink::iid;
