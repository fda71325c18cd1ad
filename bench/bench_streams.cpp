// Output as the devices make it: many short strings. The buffer's inline path should cost a copy
// per string, with one call below per buffer-full.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/base/SOutputBufferStream.h"
#include "platform/base/SOutputFile.h"

namespace {
const SString kPiece = "{\\f0\\fswiss Arial;}";

// Takes the bytes and forgets them, so that the figure is the stream's own cost.
class NullSink : public SOutputStream {
protected:
    void WriteImpl(const void*, size_t) override {}
};

void BM_ShortStringsThroughTheBuffer(benchmark::State& state) {
    NullSink sink;
    SOutputBufferStream buffer(sink);
    for (auto _ : state) buffer << kPiece;
    state.SetBytesProcessed(state.iterations() * kPiece.GetLength());
}
BENCHMARK(BM_ShortStringsThroughTheBuffer);

// One document of 4096 short strings into a new file, dropped at the end (no commit, so that the
// disk's sync is not what is measured).
void BM_ShortStringsIntoAFile(benchmark::State& state) {
    const SString path((std::filesystem::temp_directory_path() / "varod9-bench-streams.rtf").string());
    for (auto _ : state) {
        SOutputFile file(path);
        for (int i = 0; i < 4096; ++i) file << kPiece;
        file.Abort();
    }
    state.SetBytesProcessed(state.iterations() * 4096 * kPiece.GetLength());
}
BENCHMARK(BM_ShortStringsIntoAFile);
}  // namespace

BENCHMARK_MAIN();
