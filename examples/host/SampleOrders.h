#pragma once
// The sample host's module: it reports on a handful of orders. It registers three items: ORDERS, a
// list with one data row an order (customer, order number, amount); ORDER, a group title whose
// elements are the orders, each headed by the order's number; and under it CARD, a form that shows
// the order it stands under (customer, order date, delivery town, amount). It registers the two
// fields of a template's default page header, %MODULE% and %MODELNAME%, and it answers the items'
// procedures while a report is generated.
//
// One object answers the procedures of all three items; the record's ItemParam, which each item
// carries from its description, tells them apart. The card's calls do not say which order it
// stands under (their Occurrence is always 0): the module keeps the order that the group title's
// calls last named, as ISRptGrpTitleProcs.h tells.
#include <atomic>
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "varod9/ISRptFormProcs.h"
#include "varod9/ISRptGrpTitleProcs.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/ISRptUserProcs.h"

class SampleOrders final : public ISRptModuleClient,
                           public ISRptUserProcs,
                           public ISRptListProcs,
                           public ISRptGrpTitleProcs,
                           public ISRptFormProcs {
public:
    static constexpr const char* kModuleID = "SampleOrders";
    static constexpr const char* kLabel = "Order desk";
    static constexpr const char* kListID = "ORDERS";
    static constexpr const char* kOrderID = "ORDER";
    static constexpr const char* kCardID = "CARD";
    // The identity smart pointers see.
    static constexpr GUID iid = ISRptUserProcs::iid;

    // A module with one reference for the caller.
    static SampleOrders* Create() {
        auto* module = new SampleOrders();
        module->AddRef();
        return module;
    }

    // IUnknown: the procedures of every item (and those every item has) are this object.
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

    // The items' procedures: the order in which the library calls them is in ISRptListProcs.h,
    // ISRptGrpTitleProcs.h and ISRptFormProcs.h.
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Process(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT Fetch(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT* pContext) override;
    HRESULT GetMemberText(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    int32_t IsCommandSupported(uint32_t) override { return 0; }
    int32_t HasUserOrder() override { return 0; }

private:
    SampleOrders() = default;
    ~SampleOrders() = default;

    void RegisterItems(ISRptModule* pModule);
    void RegisterFields(ISRptModule* pModule);
    // Stands on an order: the one whose title and card the report asks for next.
    void PositionOn(int32_t order);

    std::atomic<int32_t> m_refs{0};
    int32_t m_current = 0;
};
