#pragma once
// The procedures a host module supplies for its items, called with the report being generated
// (or null) and the exchange record. ISRptProcs is the shape that the procedures of every kind
// share; ISRptUserProcs are the ones handed in with an item's description and kept by the item.
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"
#include "varod9/RptProcContext.h"

struct ISRptReport;

struct RPT_EXPORT ISRptProcs : IUnknown {
    // The module's code, so none is noexcept: the operation that calls one catches what it throws
    // or passes it on, as that operation says.

    // The module's own, never called by the library.
    virtual HRESULT Reserved1(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT Reserved2(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT Reserved3(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    // Before the item's elements are walked; the number of elements.
    virtual HRESULT Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT End(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT Next(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    // The item's title and object (and its table-of-contents text) into the record.
    virtual HRESULT Process(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    // 1 while the record holds a further element.
    virtual HRESULT Fetch(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT GetValue(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT GetMemberText(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;

protected:
    ~ISRptProcs() = default;
};

struct RPT_EXPORT ISRptUserProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E955FE-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptUserProcs() = default;
};

inline constexpr IID IID_ISRptUserProcs = ISRptUserProcs::iid;
