// A host program of the report library: it registers a module that reports on a few orders, makes
// a report of the module's list and writes it as an RTF file, as an HTML page set and printed to
// a PDF file, answering the library's prompts in code.
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

// Places the module's list in the report's template: the module's available items hold the
// registered list, and the template takes a copy of it.
HRESULT PlaceList(ISRptReport* report) {
    SComWrap<ISRptTemplate> owner;
    SComWrap<ISRptAvailableItems> available;
    HRESULT hr = report->GetTemplateAtPos(0, &owner);
    if (hr == S_OK) hr = report->GetAvailableItemsOfModule(SampleOrders::kModuleID, &available);
    if (hr != S_OK || !owner || !available) return FAILED(hr) ? hr : E_FAIL;
    SComWrap<ISRptItem> items;
    items = available.Get();
    SComWrap<ISRptItem> list = FindItem(items.Get(), SampleOrders::kListID);
    if (!list) return E_FAIL;
    SComWrap<ISRptItem> root;
    root = owner.Get();
    SComWrap<ISRptItem> placed;
    return owner->AddTemplateItem(list.Get(), root.Get(), -1, &placed);
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

    // A report of one template, which holds the module's list.
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> reportObject;
    if (hr == S_OK) hr = RptCreateTemplate(SampleOrders::kModuleID, "Orders", &session, &reportObject);
    SComWrap<ISRptReport> report;
    report = reportObject.Get();
    if (hr == S_OK && report) {
        report->PutHasFirstPage(true);
        report->PutFirstPageTitle("Orders");
        hr = PlaceList(report.Get());
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

    report.Clear();
    reportObject.Clear();
    if (session) session->Close();
    session.Clear();
    if (module) RptUnregisterModule(module.Get());
    return hr == S_OK ? 0 : 1;
}
