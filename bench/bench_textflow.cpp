// Breaking long paragraphs into lines, as a printed text file or a long description is:
//   - FlowLongText/N: a text of N lines of 80 characters parted by line breaks, laid out line by
//     line at a width that holds each line whole;
//   - FlowOneParagraph/N: one paragraph of N words and no line break, word-wrapped in a column of
//     16 cm (some 70 characters), as a text file or a description with no line break prints.
// The time per line stays the same whatever the length of the text: taking a line off the text
// costs the line, not the text after it. The summary prints the seconds of one paragraph of
// 20,000 and of 200,000 words and whether the longer one takes at most 12 times as long.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "SBenchMain.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SImageBackEnd.h"
#include "platform/repo/SRepSession.h"
#include "rpt/devices/print/SRptTextFlow.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/RptApi.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds to lay out one paragraph of FlowOneParagraph, by its words.
std::map<int64_t, double> gParagraphSeconds;

SString LinesOfText(int32_t count) {
    std::string text;
    const std::string line = std::string(79, 'x') + ".";
    text.reserve(static_cast<size_t>(count) * (line.size() + 2));
    for (int32_t i = 0; i < count; ++i) {
        text += line;
        text += "\r\n";
    }
    return SString(text);
}

// Words of two to nine letters, one blank between them.
SString WordsOfText(int32_t count) {
    static const char* const kWords[] = {"the",    "report",    "of",     "quarterly", "figures", "shows",
                                         "sales",  "northern",  "region", "rose",      "by",      "transport",
                                         "margin", "explained", "in",     "notes",     "tables",  "paragraph"};
    constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
    std::string text;
    text.reserve(static_cast<size_t>(count) * 8);
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += kWords[static_cast<size_t>(i) % kWordCount];
    }
    return SString(text);
}

// A 10-point Courier New paragraph on a 96-dpi context in the given mapping mode, in a session of
// its own.
class SFlowBench {
public:
    explicit SFlowBench(int32_t mapMode) {
        m_dc.SetMapMode(mapMode);
        SRepSession::Create("bench", &m_session);
        m_session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&m_para), ISRptPara::iid, true);
        m_para->PutFontName("Courier New");
        m_para->PutFontHeight(10);
    }
    ~SFlowBench() {
        m_para.Clear();
        m_session->Close();
    }
    SFlowBench(const SFlowBench&) = delete;
    SFlowBench& operator=(const SFlowBench&) = delete;

    // Every line of the text at `width`; answers their number.
    int64_t FlowAll(const SString& text, int32_t width, int mode) {
        SRptTextFlow flow(&m_dc, text, m_para.Get(), mode);
        SString line;
        RECT frame{};
        RECT textRect{};
        int64_t lines = 0;
        while (!flow.IsDone()) {
            flow.NextLine(width, &line, &frame, &textRect, nullptr, nullptr, nullptr);
            ++lines;
        }
        return lines;
    }

private:
    SComWrap<ISRepSession> m_session;
    SComWrap<ISRptPara> m_para;
    SDC m_dc{std::make_unique<SImageBackEnd>(400, 100, 96, 96)};
};

void FlowLongText(benchmark::State& state) {
    SFlowBench bench(MM_TEXT);
    const SString text = LinesOfText(static_cast<int32_t>(state.range(0)));
    int64_t lines = 0;
    for (auto _ : state) lines += bench.FlowAll(text, 100000, RPTFLOW_WORDWRAP);
    state.SetItemsProcessed(lines);
}
BENCHMARK(FlowLongText)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void FlowOneParagraph(benchmark::State& state) {
    // A column of 16 cm in hundredths of a millimetre, the page's units.
    SFlowBench bench(MM_HIMETRIC);
    const SString text = WordsOfText(static_cast<int32_t>(state.range(0)));
    int64_t lines = 0;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) lines = bench.FlowAll(text, 16000, RPTFLOW_WORDWRAP);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    gParagraphSeconds[state.range(0)] = seconds / static_cast<double>(state.iterations());
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(FlowOneParagraph)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

void PrintSummary() {
    const auto shorter = gParagraphSeconds.find(20000);
    const auto longer = gParagraphSeconds.find(200000);
    if (shorter == gParagraphSeconds.end() || longer == gParagraphSeconds.end()) return;
    const double ratio = longer->second / shorter->second;
    std::printf("\n%-28s %9s\n", "run", "seconds");
    std::printf("%-28s %9.4f\n", "one paragraph, 20,000 words", shorter->second);
    std::printf("%-28s %9.4f\n", "one paragraph, 200,000 words", longer->second);
    std::printf("\nText flow targets:\n");
    std::printf("  %s  200,000 words / 20,000 words %.2f (at most %d)\n", ratio <= 12 ? "met   " : "MISSED", ratio, 12);
}

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLibrary(argc, argv, &PrintSummary);
}
