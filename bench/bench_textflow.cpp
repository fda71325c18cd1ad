// Breaking one long paragraph into lines, as a printed text file is: a text of N lines of 80
// characters parted by line breaks, laid out line by line at a width that holds each line whole.
// The time per line stays the same whatever the number of lines: taking a line off the text
// costs the line, not the text after it.
#include <benchmark/benchmark.h>

#include <cstdint>
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

void FlowLongText(benchmark::State& state) {
    const auto count = static_cast<int32_t>(state.range(0));
    SComWrap<ISRepSession> session;
    SRepSession::Create("bench", &session);
    SComWrap<ISRptPara> para;
    session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&para), ISRptPara::iid, true);
    para->PutFontName("Courier New");
    para->PutFontHeight(10);
    SDC dc{std::make_unique<SImageBackEnd>(400, 100, 96, 96)};
    const SString text = LinesOfText(count);
    int64_t lines = 0;
    for (auto _ : state) {
        SRptTextFlow flow(&dc, text, para.Get(), RPTFLOW_WORDWRAP);
        SString line;
        RECT frame{};
        RECT textRect{};
        while (!flow.IsDone()) {
            flow.NextLine(100000, &line, &frame, &textRect, nullptr, nullptr, nullptr);
            ++lines;
        }
    }
    state.SetItemsProcessed(lines);
    para.Clear();
    session->Close();
}
BENCHMARK(FlowLongText)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLibrary(argc, argv);
}
