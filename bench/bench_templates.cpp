// Templates at scale: a template of N text items placed one after another as the editor places
// them, and the same template saved and loaded back through the templates manager (the sync with
// its module's items included). Every figure grows with N alone: the 100,000-item line stays
// within about ten times the 10,000-item one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptStartup.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

constexpr const char* kModuleId = "BENCH";

SComWrap<ISRptModule> gModule;

// A new report of the module holding one template, in a session of its own.
class SBenchDocument {
public:
    SBenchDocument() {
        SComWrap<ISRepObject> root;
        RptCreateTemplate(kModuleId, "Bench", &m_session, &root);
        m_report = static_cast<IUnknown*>(root.Get());
        if (m_report) m_report->GetTemplateAtPos(0, &m_template);
    }
    ~SBenchDocument() {
        m_template.Clear();
        m_report.Clear();
        if (m_session) m_session->Close();
    }
    SBenchDocument(const SBenchDocument&) = delete;
    SBenchDocument& operator=(const SBenchDocument&) = delete;

    ISRptReport* GetReport() const { return m_report.Get(); }

    // `count` text items one after another at the template's end.
    void PlaceTexts(int64_t count) {
        SComWrap<ISRptAvailableItems> available;
        gModule->GetAvailableItems(&available);
        SComWrap<ISRptItem> text;
        available->FindItem(CLSID_SRptText, "TEXT", kModuleId, nullptr, nullptr, &text);
        for (int64_t i = 0; i < count; ++i) {
            SComWrap<ISRptItem> placed;
            m_template->AddTemplateItem(text.Get(), m_template.Get(), -1, &placed);
        }
    }

private:
    SComWrap<ISRepSession> m_session;
    SComWrap<ISRptReport> m_report;
    SComWrap<ISRptTemplate> m_template;
};

void PlaceItems(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<SBenchDocument>();
        state.ResumeTiming();
        document->PlaceTexts(state.range(0));
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PlaceItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A template file of the form with N text items, loaded into a new session each time.
void LoadTemplate(benchmark::State& state, const char* typeName) {
    const SString path((std::filesystem::temp_directory_path() /
                        ("varod9-bench-" + std::to_string(state.range(0)) + ".rtp"))
                           .string());
    {
        SBenchDocument document;
        document.PlaceTexts(state.range(0));
        SComWrap<ISLoadSaveManager> manager;
        GetRptGlobalsContainer()->GetRptShellModule()->GetLoadSaveManager(&manager);
        SComWrap<ISRepObject> root;
        root = static_cast<IUnknown*>(document.GetReport());
        if (FAILED(manager->Save(nullptr, path, root.Get(), typeName, nullptr))) {
            state.SkipWithError("the template could not be saved");
            return;
        }
    }
    SRptTemplatesManager* templates = GetRptGlobalsContainer()->GetTemplatesManager();
    for (auto _ : state) {
        SComWrap<ISRepSession> session;
        SComWrap<ISRepObject> root;
        if (FAILED(templates->LoadTemplate(path, &session, &root))) state.SkipWithError("the template did not load");
        state.PauseTiming();
        root.Clear();
        if (session) session->Close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path.str());
    std::filesystem::remove(std::filesystem::path(path.str()).replace_extension(".rtb"));
}
BENCHMARK_CAPTURE(LoadTemplate, xml, RPT_TEMPLATE_XML_TYPE)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadTemplate, binary, RPT_TEMPLATE_BIN_TYPE)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SRptStartup::ProcessAttach(nullptr);
    RptRegisterModule(nullptr, kModuleId, "Benchmark module", 1, &gModule);
    benchmark::RunSpecifiedBenchmarks();
    RptUnregisterModule(gModule.Get());
    gModule.Clear();
    benchmark::Shutdown();
    SRptStartup::ProcessDetach();
    return 0;
}
