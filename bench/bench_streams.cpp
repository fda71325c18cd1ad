// Output as the devices make it: many short strings. The buffer's inline path should cost a copy
// per string, with one call below per buffer-full. The font table of an RTF text merged into a
// report: gathering it should take time in proportion to its number of faces. And a picture's
// size from its file, as an HTML page set asks it of every graphic item: the header alone is
// read, so that a picture of 64 MiB costs what a small one does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/SOutputBufferStream.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SRtfFontTable.h"
#include "platform/gdi/SPictureFile.h"

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

// A merged text's font table of N faces gathered onto the report's own table, as the RTF device
// gathers it; 100,000 faces should take four times as long as 25,000.
void BM_MergedFontTable(benchmark::State& state) {
    std::string merged = "{\\fonttbl";
    for (int64_t i = 0; i < state.range(0); ++i)
        merged += "{\\f" + std::to_string(i) + "\\fswiss Face " + std::to_string(i) + ";}";
    merged += "}";
    const SString table(std::move(merged));
    for (auto _ : state) {
        SRtfFontTable fonts;
        fonts.AddFontTable("{\\fonttbl{\\f0\\fswiss Arial;}}");
        SRtfNumberMap map;
        fonts.AddFontTable(table, &map);
        benchmark::DoNotOptimize(map);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MergedFontTable)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Whether a 32-bit BMP of N x N pixels is beyond the picture limit: 4096 makes a file of 64 MiB.
void BM_PictureBeyondLimit(benchmark::State& state) {
    const auto side = static_cast<uint32_t>(state.range(0));
    const uint32_t bits = side * side * 4;
    std::string header = "BM";
    const auto put = [&header](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) header += static_cast<char>(value >> (8 * i));
    };
    put(54 + bits, 4), put(0, 4), put(54, 4);
    put(40, 4), put(side, 4), put(side, 4), put(1, 2), put(32, 2), put(0, 4), put(bits, 4);
    put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "varod9-bench-picture.bmp";
    {
        std::ofstream file(path, std::ios::binary);
        file << header;
        // The pixels are written, not left a hole, so that the file is read as a picture is.
        const std::string row(side * 4, '\0');
        for (uint32_t y = 0; y < side; ++y) file << row;
    }
    const SString name(path.string());
    for (auto _ : state) benchmark::DoNotOptimize(SPictureFile::IsBeyondLimit(name));
    std::filesystem::remove(path);
}
BENCHMARK(BM_PictureBeyondLimit)->Arg(64)->Arg(4096)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
