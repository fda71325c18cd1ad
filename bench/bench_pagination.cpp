// Printing at scale: the report of bench_generation (the stand-in host's default report on the
// synthetic model, x1 = 10,000 entities, x10 ten times as many) laid out on pages for the
// configured printer, in process.
//
//   - Paginate/N: a print-preview run of the model of N times the x1 size: both generation
//     passes, then the completion of the tree and the pagination (physical items, pages, the
//     contents' page numbers, the headers and footers); the pages are kept, as the preview keeps
//     them, and drawn nowhere. It prints the pages, the seconds of the whole run and of its
//     layout (from the tree's completion to the pages handed to the preview), pages/s and the
//     process's peak RSS during the run.
//   - PrintPdf/1: the x1 report printed to a PDF file through the virtual printer, as a host
//     prints to a file (the print dialog confirmed with "print to file", the file dialog
//     answered with the path): seconds, pages of the file and its size in MB.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "SBenchPassClient.h"
#include "SBenchReport.h"
#include "SRptHostScript.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewDevice.h"
#include "rpt/devices/print/SRptPrintPreviewShell.h"
#include "varod9/RptApi.h"

namespace {

using bench::PeakRssBytes;
using bench::ResetPeakRss;
using bench::SBenchReport;
using Clock = std::chrono::steady_clock;

// Notes when the tree is complete, which is when its layout begins.
class SLayoutClient final : public bench::SBenchPassClient {
public:
    using SBenchPassClient::SBenchPassClient;
    ~SLayoutClient() override = default;
    Clock::time_point GetTreeComplete() const { return m_treeComplete; }

protected:
    void OnTreeComplete() override { m_treeComplete = Clock::now(); }

private:
    Clock::time_point m_treeComplete{};
};

// A preview without a window: it takes the pages and notes when they came. It owns the device of
// its run, and with it the pages.
class SBenchPreviewShell final : public SRptPrintPreviewShell {
public:
    ~SBenchPreviewShell() override { Close(); }
    bool SetPrintView(SRptPhysicalLayer* layer) override {
        m_handed = Clock::now();
        m_pages = layer ? layer->GetPageCount() : 0;
        return layer != nullptr;
    }
    SRptPrintPreviewDevice* GetPreviewDevice() const override { return m_device; }
    SPreviewView* GetPreviewWindow() const override { return nullptr; }

    HRESULT Run(ISRptReport* report, ISRptGenerationClient* client) {
        Close();
        m_pages = 0;
        m_device = new SRptPrintPreviewDevice(report, client, this);
        return m_device->GeneratePreview();
    }
    // Lets the pages go.
    void Close() {
        if (m_device) m_device->Release();
        m_device = nullptr;
    }
    int32_t GetPages() const { return m_pages; }
    Clock::time_point GetHanded() const { return m_handed; }

private:
    SRptPrintPreviewDevice* m_device = nullptr;
    int32_t m_pages = 0;
    Clock::time_point m_handed{};
};

struct SFigures {
    double seconds = 0;
    double layoutSeconds = 0;
    int64_t pages = 0;
    int64_t peakRss = 0;
    double megabytes = 0;
};

// The figures of every run, by "kind xN".
std::map<std::string, SFigures> gFigures;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void Paginate(benchmark::State& state) {
    const int32_t scale = static_cast<int32_t>(state.range(0));
    SBenchReport run(scale);
    ISRptReport* report = run.GetReportOrSkip(state);
    if (!report) return;
    int32_t templates = 0;
    report->GetTemplatesCount(&templates);
    SFigures figures;
    for (auto _ : state) {
        // Progress windows are left alone, so that nothing cancels the run.
        SRptHostScript script{SString()};
        SInteractionScope scope(&script);
        SBenchPreviewShell shell;
        SLayoutClient client(templates);
        ResetPeakRss();
        const Clock::time_point start = Clock::now();
        const HRESULT hr = shell.Run(report, &client);
        const Clock::time_point end = Clock::now();
        figures.peakRss = PeakRssBytes();
        figures.seconds = Seconds(start, end);
        figures.layoutSeconds = Seconds(client.GetTreeComplete(), shell.GetHanded());
        figures.pages = shell.GetPages();
        if (hr != S_OK) state.SkipWithError("the preview generation failed");
        state.SetIterationTime(figures.seconds);
    }
    state.counters["pages"] = static_cast<double>(figures.pages);
    state.counters["seconds"] = figures.seconds;
    state.counters["layout s"] = figures.layoutSeconds;
    state.counters["pages/s"] = static_cast<double>(figures.pages) / figures.seconds;
    state.counters["rssMB"] = static_cast<double>(figures.peakRss) / 1e6;
    gFigures["paginate x" + std::to_string(scale)] = figures;
}

// The pages of a PDF file: its page objects, each "/Type /Page" not followed by "s".
int64_t PdfPages(const std::string& bytes) {
    static const std::string kPage = "/Type /Page";
    int64_t pages = 0;
    for (size_t at = bytes.find(kPage); at != std::string::npos; at = bytes.find(kPage, at + kPage.size()))
        if (at + kPage.size() >= bytes.size() || bytes[at + kPage.size()] != 's') ++pages;
    return pages;
}

void PrintPdf(benchmark::State& state) {
    const int32_t scale = static_cast<int32_t>(state.range(0));
    SBenchReport run(scale);
    ISRptReport* report = run.GetReportOrSkip(state);
    if (!report) return;
    char folderName[] = "/tmp/varod9-bench-pagination-XXXXXX";
    const std::filesystem::path folder = mkdtemp(folderName) ? folderName : "";
    const std::filesystem::path output = folder / "report.pdf";
    SFigures figures;
    for (auto _ : state) {
        SRptHostScript script{SString(output.string())};
        SInteractionScope scope(&script);
        ResetPeakRss();
        const Clock::time_point start = Clock::now();
        const HRESULT hr = RptGenerateReport(report, nullptr, 1);
        figures.seconds = Seconds(start, Clock::now());
        figures.peakRss = PeakRssBytes();
        if (hr != S_OK) state.SkipWithError("the print failed");
        state.SetIterationTime(figures.seconds);
    }
    std::ifstream file(output, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    figures.megabytes = static_cast<double>(bytes.size()) / 1e6;
    figures.pages = PdfPages(bytes);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);

    state.counters["pages"] = static_cast<double>(figures.pages);
    state.counters["seconds"] = figures.seconds;
    state.counters["pdfMB"] = figures.megabytes;
    state.counters["rssMB"] = static_cast<double>(figures.peakRss) / 1e6;
    gFigures["pdf x" + std::to_string(scale)] = figures;
}

BENCHMARK(Paginate)->Arg(1)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(PrintPdf)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void PrintSummary() {
    std::printf("\n%-12s %9s %9s %9s %9s %9s %9s\n", "run", "pages", "seconds", "layout s", "pages/s", "RSS MB",
                "PDF MB");
    for (const auto& [name, f] : gFigures) {
        std::printf("%-12s %9lld %9.2f %9.2f %9.0f %9.1f %9.1f\n", name.c_str(), static_cast<long long>(f.pages),
                    f.seconds, f.layoutSeconds, static_cast<double>(f.pages) / f.seconds,
                    static_cast<double>(f.peakRss) / 1e6, f.megabytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLibrary(argc, argv, &PrintSummary);
}
