// Report generation at scale: a synthetic data model of N entities with M attributes each,
// reported by the stand-in host's data-model module through its default report (a title page,
// the contents, the list of every entity, then per entity a titled section with its card and the
// list of its attributes, each on a page of its own), generated in-process as an RTF file and as
// an HTML page set into a temporary folder.
//
// Sizes: x1 is 10,000 entities of 5 attributes (10,000 titled sections, a 10,000-row entity list),
// x10 ten times as many entities. For each format and size it prints seconds, output MB, MB/s,
// rows/s (RTF), pages/s (HTML), the peak of the heap and the process's peak RSS during the run,
// and the generation tree's bytes per table cell, then whether the targets are met:
//   - x10 takes at most 11 times the time and the memory of x1;
//   - the generation tree costs at most 300 bytes per table cell;
//   - the x1 RTF report is written at 50 MB/s or more (figures of a release build);
//   - the x1 HTML page set, which waits for the disk once for all its pages, takes at most 1.5
//     times as long as the same set written without any wait for the disk: five runs of each,
//     in turns, each into a fresh folder ("html synced x1" and "html nosync x1", their sums).
//
// How memory is measured: this program replaces the global allocation functions with counting
// ones (live bytes, peak live bytes). Two figures per table cell of the report:
//   - "nodes B/cell": the growth of the live heap from the run's start (the client's
//     OnGenerationStart, before the tree exists) to the end of the second pass (the last
//     OnTemplateDone), when every node is in the tree but no node has its output helper yet;
//   - "tree B/cell": the peak of the live heap during the run less the heap before it, which
//     holds the whole tree with every output helper and its cell maps as the document is written,
//     and whatever else the run keeps at that moment: an upper bound of the tree's cost, and the
//     figure the 300-byte target is held to.
// The peak RSS is the kernel's high-water mark, reset before each run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "SBenchPassClient.h"
#include "SBenchReport.h"
#include "platform/base/SOutputFile.h"
#include "platform/ui/SNonInteractiveScript.h"
#include "varod9/RptApi.h"

// Syncing switched off and on again, to see what the waits for the disk cost.
class SOutputFileTestAccess {
public:
    static bool& Syncing() { return SOutputFile::sSyncing; }
};

// ---- Counting allocation ----

namespace {

std::atomic<int64_t> gLiveBytes{0};
std::atomic<int64_t> gPeakBytes{0};

void* Counted(void* block) {
    if (!block) return nullptr;
    const int64_t live = gLiveBytes += static_cast<int64_t>(malloc_usable_size(block));
    int64_t peak = gPeakBytes.load(std::memory_order_relaxed);
    while (live > peak && !gPeakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return block;
}

void* Allocate(size_t size) {
    void* block = Counted(std::malloc(size ? size : 1));
    if (!block) throw std::bad_alloc();
    return block;
}

void* AllocateAligned(size_t size, std::align_val_t alignment) {
    void* block = nullptr;
    if (posix_memalign(&block, static_cast<size_t>(alignment), size ? size : 1) != 0) throw std::bad_alloc();
    return Counted(block);
}

void Free(void* block) {
    if (!block) return;
    gLiveBytes -= static_cast<int64_t>(malloc_usable_size(block));
    std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, size_t) noexcept { Free(block); }
void operator delete[](void* block, size_t) noexcept { Free(block); }
void operator delete(void* block, std::align_val_t) noexcept { Free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { Free(block); }
void operator delete(void* block, size_t, std::align_val_t) noexcept { Free(block); }
void operator delete[](void* block, size_t, std::align_val_t) noexcept { Free(block); }

namespace {

using bench::PeakRssBytes;
using bench::SBenchReport;
using bench::ResetPeakRss;
using bench::SReportShape;
using bench::ShapeOf;

// ---- Measuring a run ----

// Records the live heap when the run starts and when its second pass ends.
class SMeasuringClient final : public bench::SBenchPassClient {
public:
    using SBenchPassClient::SBenchPassClient;
    ~SMeasuringClient() override = default;
    int64_t GetTreeBytes() const { return m_treeBytes; }

protected:
    void OnRunStart() override { m_start = gLiveBytes.load(); }
    void OnTreeComplete() override { m_treeBytes = gLiveBytes.load() - m_start; }

private:
    int64_t m_start = 0;
    int64_t m_treeBytes = 0;
};

struct SFigures {
    double seconds = 0;
    double megabytes = 0;
    int64_t rows = 0;
    int64_t cells = 0;
    int64_t pages = 0;
    int64_t peakHeap = 0;
    int64_t peakRss = 0;
    int64_t nodeBytes = 0;
};

// The figures of every run, by "format xN".
std::map<std::string, SFigures> gFigures;

double MegabytesIn(const std::filesystem::path& folder, int64_t& pages) {
    uintmax_t bytes = 0;
    pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        bytes += entry.file_size();
        if (entry.path().extension() == ".htm") ++pages;
    }
    return static_cast<double>(bytes) / 1e6;
}

// A fresh temporary folder for the output of one run.
std::filesystem::path MakeRunFolder() {
    char folderName[] = "/tmp/varod9-bench-generation-XXXXXX";
    return mkdtemp(folderName) ? folderName : "";
}

void RemoveRunFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// The report of the benchmark's size (its argument times the x1 size), with what a run needs to
// know of it; `report` is null when it could not be made (the benchmark is then skipped).
struct SRunReport {
    explicit SRunReport(benchmark::State& state)
        : scale(static_cast<int32_t>(state.range(0))), run(scale), report(run.GetReportOrSkip(state)),
          shape(ShapeOf(run.GetModel())) {
        if (report) report->GetTemplatesCount(&templates);
    }
    int32_t scale;
    SBenchReport run;
    ISRptReport* report;
    SReportShape shape;
    int32_t templates = 0;
};

// One generation of a format (0 RTF, 2 HTML) into `folder`; false when it failed.
bool GenerateOnce(const SRunReport& run, uint32_t mode, const std::filesystem::path& folder, SFigures& figures) {
    const bool html = mode == 2;
    const std::filesystem::path output = folder / (html ? "report.htm" : "report.rtf");
    SNonInteractiveScript script;
    script.AddPath(SString(output.string()));
    SInteractionScope scope(&script);
    SMeasuringClient client(run.templates);
    ResetPeakRss();
    gPeakBytes = gLiveBytes.load();
    const int64_t heapBefore = gLiveBytes.load();
    const auto start = std::chrono::steady_clock::now();
    const HRESULT hr = RptGenerateReport(run.report, &client, mode);
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.peakHeap = gPeakBytes.load() - heapBefore;
    figures.peakRss = PeakRssBytes();
    figures.nodeBytes = client.GetTreeBytes();
    if (html) {
        figures.megabytes = MegabytesIn(folder, figures.pages);
    } else {
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(output, error);
        figures.megabytes = error ? 0.0 : static_cast<double>(size) / 1e6;
    }
    return hr == S_OK;
}

void SetCounters(benchmark::State& state, const SFigures& figures, bool html) {
    state.counters["MB"] = figures.megabytes;
    state.counters["MB/s"] = figures.megabytes / figures.seconds;
    if (html) state.counters["pages/s"] = static_cast<double>(figures.pages) / figures.seconds;
    else state.counters["rows/s"] = static_cast<double>(figures.rows) / figures.seconds;
    state.counters["heapMB"] = static_cast<double>(figures.peakHeap) / 1e6;
    state.counters["rssMB"] = static_cast<double>(figures.peakRss) / 1e6;
    state.counters["nodes B/cell"] = static_cast<double>(figures.nodeBytes) / static_cast<double>(figures.cells);
    state.counters["tree B/cell"] = static_cast<double>(figures.peakHeap) / static_cast<double>(figures.cells);
}

// One run of a format (0 RTF, 2 HTML) on the model of `scale` times the x1 size.
void Generate(benchmark::State& state, uint32_t mode) {
    const bool html = mode == 2;
    const SRunReport run(state);
    if (!run.report) return;

    const std::filesystem::path folder = MakeRunFolder();
    SFigures figures;
    for (auto _ : state) {
        if (!GenerateOnce(run, mode, folder, figures)) state.SkipWithError("the generation failed");
        state.SetIterationTime(figures.seconds);
    }
    figures.rows = run.shape.rows;
    figures.cells = run.shape.cells;
    RemoveRunFolder(folder);
    SetCounters(state, figures, html);
    gFigures[std::string(html ? "html" : "rtf") + " x" + std::to_string(run.scale)] = figures;
}

void GenerateRtf(benchmark::State& state) { Generate(state, 0); }
void GenerateHtml(benchmark::State& state) { Generate(state, 2); }

// What the one wait for the disk costs a page set: the same set written with its sync and
// without any, in turns (so that neither always follows the other), each run into a folder of its
// own that no earlier run wrote or emptied. The folders go only once every run is done, and the
// disk is let settle first, so that no run pays for another's files being written back or
// removed. The figures kept are the sums over the rounds.
void GenerateHtmlWithAndWithoutSync(benchmark::State& state) {
    constexpr int kRounds = 5;
    const SRunReport run(state);
    if (!run.report) return;

    bool& syncing = SOutputFileTestAccess::Syncing();
    SFigures synced;
    SFigures unsynced;
    for (auto _ : state) {
        std::vector<std::filesystem::path> folders;
        ::sync();
        for (int round = 0; round < kRounds; ++round) {
            for (int turn = 0; turn < 2; ++turn) {
                const bool sync = (round + turn) % 2 == 0;
                SFigures figures;
                folders.push_back(MakeRunFolder());
                syncing = sync;
                const bool done = GenerateOnce(run, 2, folders.back(), figures);
                syncing = true;
                if (!done) state.SkipWithError("the generation failed");
                SFigures& sum = sync ? synced : unsynced;
                sum.seconds += figures.seconds;
                sum.megabytes = figures.megabytes;
                sum.pages = figures.pages;
                sum.peakHeap = std::max(sum.peakHeap, figures.peakHeap);
                sum.peakRss = std::max(sum.peakRss, figures.peakRss);
                sum.nodeBytes = figures.nodeBytes;
            }
        }
        for (const auto& folder : folders) RemoveRunFolder(folder);
        state.SetIterationTime(synced.seconds + unsynced.seconds);
    }
    for (SFigures* figures : {&synced, &unsynced}) {
        figures->rows = run.shape.rows;
        figures->cells = run.shape.cells;
    }
    state.counters["synced s"] = synced.seconds;
    state.counters["unsynced s"] = unsynced.seconds;
    const std::string size = " x" + std::to_string(run.scale);
    gFigures["html synced" + size] = synced;
    gFigures["html nosync" + size] = unsynced;
}
BENCHMARK(GenerateRtf)->Arg(1)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(GenerateHtml)->Arg(1)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(GenerateHtmlWithAndWithoutSync)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// ---- The summary ----

void Verdict(bool met, const char* format, double value, double limit) {
    std::printf("  %s  ", met ? "met   " : "MISSED");
    std::printf(format, value, limit);
    std::printf("\n");
}

void PrintHtmlVerdict() {
    const auto synced = gFigures.find("html synced x1");
    const auto unsynced = gFigures.find("html nosync x1");
    if (synced == gFigures.end() || unsynced == gFigures.end()) return;
    const double ratio = synced->second.seconds / unsynced->second.seconds;
    std::printf("\nHTML targets:\n");
    Verdict(ratio <= 1.5, "x1 page set with its sync / without any sync, 5 runs each in turns, %.2f (at most %.1f)",
            ratio, 1.5);
}

void PrintSummary() {
    std::printf("\n%-15s %9s %9s %9s %12s %10s %9s %9s %13s %12s\n", "run", "seconds", "MB", "MB/s", "rows/s",
                "pages/s", "heap MB", "RSS MB", "nodes B/cell", "tree B/cell");
    for (const auto& [name, f] : gFigures) {
        std::printf("%-15s %9.2f %9.1f %9.1f %12.0f %10.0f %9.1f %9.1f %13.1f %12.1f\n", name.c_str(), f.seconds,
                    f.megabytes, f.megabytes / f.seconds, static_cast<double>(f.rows) / f.seconds,
                    static_cast<double>(f.pages) / f.seconds, static_cast<double>(f.peakHeap) / 1e6,
                    static_cast<double>(f.peakRss) / 1e6, static_cast<double>(f.nodeBytes) / static_cast<double>(f.cells),
                    static_cast<double>(f.peakHeap) / static_cast<double>(f.cells));
    }
    PrintHtmlVerdict();
    const auto one = gFigures.find("rtf x1");
    const auto ten = gFigures.find("rtf x10");
    if (one == gFigures.end() || ten == gFigures.end()) return;
    const SFigures& a = one->second;
    const SFigures& b = ten->second;
    std::printf("\nRTF targets:\n");
    Verdict(b.seconds <= 11 * a.seconds, "x10 time / x1 time %.2f (at most %.0f)", b.seconds / a.seconds, 11);
    const double memory = static_cast<double>(b.peakHeap) / static_cast<double>(a.peakHeap);
    Verdict(memory <= 11, "x10 heap peak / x1 heap peak %.2f (at most %.0f)", memory, 11);
    const double rss = static_cast<double>(b.peakRss) / static_cast<double>(a.peakRss);
    Verdict(rss <= 11, "x10 peak RSS / x1 peak RSS %.2f (at most %.0f)", rss, 11);
    for (const SFigures* f : {&a, &b}) {
        const double perCell = static_cast<double>(f->peakHeap) / static_cast<double>(f->cells);
        Verdict(perCell <= 300, "tree bytes per table cell, heap peak bound, %.1f (at most %.0f)", perCell, 300);
    }
    Verdict(a.megabytes / a.seconds >= 50, "x1 written at %.1f MB/s (at least %.0f)", a.megabytes / a.seconds, 50);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLibrary(argc, argv, &PrintSummary);
}
