// A host program of the report library: it registers a module that reports on a few orders, makes
// a report of the module's list and, for each order, the order's title over its card, with a page
// header of its own that shows the module's two fields and the date, and writes it as an RTF file,
// as an HTML page set and printed to a PDF file, answering the library's prompts in code.
//   sample_host FOLDER   writes FOLDER/orders.rtf, FOLDER/orders.htm (and its pages), FOLDER/orders.pdf,
//                        making FOLDER when it is not there
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "SampleOrders.h"
#include "SamplePrompts.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

// The registered item with an item id among an item's children; empty when there is none.
SComWrap<ISRptItem> FindItem(ISRptItem* parent, const SString& itemID) {
    SRepClassColPtr items = parent->Items();
    for (int32_t i = 0; items && i < items.GetCount(); ++i) {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(items.Item(i).Get());
        if (item && item->GetItemID() == itemID) return item;
    }
    return SComWrap<ISRptItem>();
}

// Places the module's items in the report's template: its list, then its group title, whose copy
// brings the group's member, the card, along. The report's available items hold copies of what
// the module registered; the template takes copies of those.
HRESULT PlaceItems(ISRptReport* report, ISRptTemplate* owner) {
    SComWrap<ISRptAvailableItems> available;
    const HRESULT hr = report->GetAvailableItemsOfModule(SampleOrders::kModuleID, &available);
    SComWrap<ISRptItem> items;
    items = available.Get();
    if (hr != S_OK || !items) return FAILED(hr) ? hr : E_FAIL;
    SComWrap<ISRptItem> root;
    root = owner;
    for (const char* itemID : {SampleOrders::kListID, SampleOrders::kOrderID}) {
        SComWrap<ISRptItem> registered = FindItem(items.Get(), itemID);
        SComWrap<ISRptItem> placed;
        const HRESULT placing = registered ? owner->AddTemplateItem(registered.Get(), root.Get(), -1, &placed) : E_FAIL;
        if (placing != S_OK) return FAILED(placing) ? placing : E_FAIL;
    }
    return S_OK;
}

// The template's own page header: the module's name and the order book's (two fields of the
// module) and, at the right-hand tab stop the default header already has, the date. The header is
// the template's own only once HeadUserDef is set; until then the report's default one shows.
HRESULT SetPageHeader(ISRptTemplate* owner) {
    RPTHEADERFOOTERDEF texts;
    texts.HeaderText = "%MODULE%: %MODELNAME%\t%DATE%";
    texts.FooterText = owner->GetFooter();  // FootUserDef stays unset: the default footer shows
    const HRESULT hr = owner->SetHeaderFooter(&texts);
    if (hr != S_OK) return hr;
    owner->PutHeadUserDef(true);
    return S_OK;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sample_host FOLDER\n");
        return 2;
    }
    const SString folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (error) {
        std::fprintf(stderr, "sample_host: cannot make the folder %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }

    // The module registers with the library; its list and field follow when first needed.
    SComWrap<SampleOrders> orders;
    orders.Attach(SampleOrders::Create());
    SComWrap<ISRptModule> module;
    HRESULT hr = RptRegisterModule(orders.Get(), SampleOrders::kModuleID, "Orders", 1, &module);

    // A report of one template, which holds the module's items.
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> reportObject;
    if (hr == S_OK) hr = RptCreateTemplate(SampleOrders::kModuleID, "Orders", &session, &reportObject);
    SComWrap<ISRptReport> report;
    report = reportObject.Get();
    SComWrap<ISRptTemplate> owner;
    if (hr == S_OK && report) hr = report->GetTemplateAtPos(0, &owner);
    if (hr == S_OK && owner) {
        report->PutHasFirstPage(true);
        report->PutFirstPageTitle("Orders");
        hr = PlaceItems(report.Get(), owner.Get());
        if (hr == S_OK) hr = SetPageHeader(owner.Get());
    } else if (hr == S_OK) {
        hr = E_FAIL;
    }

    // Each output: its prompts answered by the script, the device the mode names (0 RTF, 2 HTML,
    // 1 printed).
    SamplePrompts prompts;
    SInteractionScope scope(&prompts);
    struct Output {
        const char* name;
        uint32_t mode;
    };
    for (const Output& output : {Output{"orders.rtf", 0}, Output{"orders.htm", 2}, Output{"orders.pdf", 1}}) {
        if (hr != S_OK) break;
        const SString path = folder + "/" + output.name;
        prompts.SetOutput(path);
        hr = RptGenerateReport(report.Get(), nullptr, output.mode);
        if (hr == S_OK) std::printf("wrote %s\n", path.c_str());
    }
    if (hr != S_OK)
        std::fprintf(stderr, "sample_host: the report could not be made (0x%08X)\n", static_cast<unsigned>(hr));

    owner.Clear();
    report.Clear();
    reportObject.Clear();
    if (session) session->Close();
    session.Clear();
    if (module) RptUnregisterModule(module.Get());
    return hr == S_OK ? 0 : 1;
}
