// The editor's browsers at scale: a user adding items one after another to a template shown in a
// contents browser (each added item is shown and selected, and the next one follows it), and
// finding the nodes of items in the grown tree.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "SBenchMain.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"

namespace {

// A report with one template of a registered module, and the contents browser of that template
// as a template editor shows it.
class SBenchEditor {
public:
    SBenchEditor() {
        RptRegisterModule(nullptr, "Bench", "Bench model", 1, &m_module);
        m_module->GetAvailableItems(&m_container);
        SRepSession::Create("bench", &m_session);
        m_session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&m_report), ISRptReport::iid);
        m_report->AddNewTemplate("Bench", 1, &m_template);
        m_text = BuiltIn("TEXT");
        m_browser = new SRptContentsItemsBrowser(m_template.Get(), nullptr, nullptr);
        m_browser->AddRef();
        auto* root = new SRptBrowserNodeTemplate(m_browser, RPT_EDITOR_TEMPLATE);
        root->InitNode(m_template.Get(), 1, nullptr, nullptr, SREP_DISPID_NAME);
    }
    ~SBenchEditor() {
        m_browser->DestroyPane();
        m_text.Clear();
        m_template.Clear();
        m_report.Clear();
        m_session->Close();
        m_session.Clear();
        m_container.Clear();
        RptUnregisterModule(m_module.Get());
    }

    // The editor's Add of the built-in text item.
    SComWrap<ISRptItem> Add() {
        SComWrap<ISRptItem> added;
        m_browser->AddItemToTemplate(m_text.Get(), &added);
        return added;
    }
    SRptContentsItemsBrowser& Browser() { return *m_browser; }

private:
    SComWrap<ISRptItem> BuiltIn(const char* itemId) {
        SRepClassColPtr items = m_container->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemId) return item;
        }
        return {};
    }

    SComWrap<ISRptModule> m_module;
    SComWrap<ISRptAvailableItems> m_container;
    SComWrap<ISRepSession> m_session;
    SComWrap<ISRptReport> m_report;
    SComWrap<ISRptTemplate> m_template;
    SComWrap<ISRptItem> m_text;
    SRptContentsItemsBrowser* m_browser = nullptr;
};

// Adds of one item after another to an empty template: the whole sequence is one iteration.
void AddItemsInTheContentsBrowser(benchmark::State& state) {
    const auto count = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        {
            SBenchEditor editor;
            state.ResumeTiming();
            for (int32_t i = 0; i < count; ++i) benchmark::DoNotOptimize(editor.Add().Get());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
}
BENCHMARK(AddItemsInTheContentsBrowser)->Arg(400)->Arg(1600)->Unit(benchmark::kMillisecond);

// The node of every item of a template of `count` items, looked up once each.
void LookUpEveryNode(benchmark::State& state) {
    const auto count = static_cast<int32_t>(state.range(0));
    SBenchEditor editor;
    std::vector<SComWrap<ISRptItem>> items;
    for (int32_t i = 0; i < count; ++i) items.push_back(editor.Add());
    for (auto _ : state)
        for (const auto& item : items) benchmark::DoNotOptimize(editor.Browser().LookupNode(item.Get()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
}
BENCHMARK(LookUpEveryNode)->Arg(400)->Arg(1600)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLibrary(argc, argv);
}
