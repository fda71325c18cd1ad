#pragma once
// A benchmark program's main: the library started as a host starts it, the benchmarks run, then
// `summary` when there is one, and the library stopped.
#include <benchmark/benchmark.h>

#include "platform/gdi/SFontEngine.h"
#include "rpt/module/SRptStartup.h"

namespace bench {

inline int RunWithLibrary(int argc, char** argv, void (*summary)() = nullptr) {
    benchmark::Initialize(&argc, argv);
    SRptStartup::ProcessAttach(nullptr);
    benchmark::RunSpecifiedBenchmarks();
    if (summary) summary();
    benchmark::Shutdown();
    SRptStartup::ProcessDetach();
    SFontEngine::ReleaseSharedCaches();
    return 0;
}

}  // namespace bench
