#pragma once
// The procedures a host module supplies for its items, called with the report being generated
// (or null) and the exchange record. ISRptProcs is the shape that the procedures of every kind
// share; ISRptUserProcs are the ones handed in with an item's description and kept by the item,
// which the library asks for each kind's procedures (ISRptListProcs, ISRptFormProcs ...). When
// each is called, with the report or null, and what is read of its answer, each kind's header
// tells: ISRptListProcs.h, ISRptFormProcs.h, ISRptGrpTitleProcs.h, ISRptFolderProcs.h.
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
    // Opens the item's elements; where the kind's header says so, the answer is their number.
    virtual HRESULT Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT End(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    virtual HRESULT Next(ISRptReport* pReport, RPTPROCCONTEXT* pContext) = 0;
    // Through ISRptUserProcs, for the item's heading: non-zero when the record carries the heading
    // (also its table-of-contents text) in Text2 and its object in ObjectID. Through a kind's
    // procedures, as the report comes to the item or back to it: the module may stand on the
    // item's element again; the answer is not read.
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
