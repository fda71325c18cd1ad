#include "rpt/objs/items/SRptFieldMem.h"

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/RptApi.h"

// ---- SRptFieldImpl ----

HRESULT SRptFieldImpl::ConstructWithFieldDef(const RPTFIELDDEF* pFieldDef) noexcept {
    if (!pFieldDef) return E_POINTER;
    PutModuleID(pFieldDef->ModuleID);
    PutPresenceFlag(pFieldDef->PresenceFlag);
    PutFieldName(pFieldDef->FieldName);
    PutDescr(pFieldDef->Descr);
    PutValue(pFieldDef->Value);
    if (m_fieldProcs.Get() != pFieldDef->FieldProcs) m_fieldProcs.Reset(pFieldDef->FieldProcs);
    return S_OK;
}

HRESULT SRptFieldImpl::GetFieldVal(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient,
                                   SString& sOut) noexcept {
    // The provider is the module's code: what it throws is a failure like any other.
    return SExceptionResult::Guard([&]() -> HRESULT {
        if (!m_fieldProcs) {
            sOut = GetValue();
            return S_OK;
        }
        RPTFIELDVALREQ request;
        request.FieldName = GetFieldName();
        request.GenerationClient = pGenerationClient;
        const HRESULT hr = m_fieldProcs->GetFieldVal(pReport, &request);
        // Only a value the provider vouches for replaces the caller's text.
        if (hr == S_OK) sOut = request.Value;
        return hr;
    });
}
