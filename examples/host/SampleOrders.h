#pragma once
// The sample host's module: it reports on a handful of orders. It registers one list item,
// ORDERS (customer, order number, amount: one data row an order), and one field, %MODELNAME%
// (the name of the order book, shown in the report's page headers), and it answers the list's
// procedures while a report is generated.
#include <atomic>
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/ISRptUserProcs.h"

class SampleOrders final : public ISRptModuleClient, public ISRptUserProcs, public ISRptListProcs {
public:
    static constexpr const char* kModuleID = "SampleOrders";
    static constexpr const char* kListID = "ORDERS";
    // The identity smart pointers see.
    static constexpr GUID iid = ISRptUserProcs::iid;

    // A module with one reference for the caller.
    static SampleOrders* Create() {
        auto* module = new SampleOrders();
        module->AddRef();
        return module;
    }

    // IUnknown: the list's procedures (and the procedures every item has) are this object.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refs); }
    uint32_t Release() override;

    // ISRptModuleClient: the module's items and fields are registered when first needed.
    HRESULT InitAvailableItems(ISRptModule* pModule) override;
    HRESULT GetReportLangName(SString& sLangName, ISRptReport*) override;
    HRESULT ValidateReportLang(ISRptReport*) override { return S_OK; }
    HRESULT GetReportTitleText(SString& sTitle, ISRptReport*, SString sTitlePath) override;
    HRESULT FillLanguageCombo(SComboBoxCtrl*) override { return S_OK; }
    HRESULT GetLanguageObject(ISRepObject** ppLanguage, const SString&) override;

    // The list's procedures: the order in which the library calls them is in ISRptListProcs.h.
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT*) override;
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Process(ISRptReport*, RPTPROCCONTEXT* pContext) override;
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT* pContext) override;
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT* pContext) override;
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT*) override { return 0; }
    int32_t IsCommandSupported(uint32_t) override { return 0; }

private:
    SampleOrders() = default;
    ~SampleOrders() = default;

    std::atomic<int32_t> m_refs{0};
};
