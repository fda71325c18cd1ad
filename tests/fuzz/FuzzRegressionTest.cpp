// Replays the inputs kept for one fuzz target (data/fuzz/<target>/, one file an input) through
// the target's own entry, one test per file. The target aborts or traps on a wrong answer, and the
// sanitizers stop on a fault, so a finding that once failed fails here again until it is mended.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/SInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
// The largest kept input: as large as the largest a reader accepts, and a little more.
constexpr size_t kMaxInput = size_t{17} << 20;

std::filesystem::path InputFolder() {
    return std::filesystem::path(VAROD9_TEST_DATA) / "fuzz" / VAROD9_FUZZ_TARGET;
}

std::vector<std::string> KeptInputs() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(InputFolder(), error))
        if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A test name from a file name: letters and digits, the rest as '_'.
std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name + "_" + std::to_string(info.index);
}

class FuzzRegression : public testing::TestWithParam<std::string> {};
}  // namespace

TEST(FuzzRegressionInputs, TheTargetKeepsSomeInputs) {
    EXPECT_FALSE(KeptInputs().empty()) << "no input under " << InputFolder();
}

TEST_P(FuzzRegression, InputIsHandled) {
    SInputFile file((InputFolder() / GetParam()).string());
    const std::string bytes = file.ReadAll(kMaxInput);
    // The input goes in a buffer of its exact size, as the fuzzer hands it, so that a read past
    // its end is caught.
    const std::unique_ptr<uint8_t[]> input(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), input.get());
    EXPECT_EQ(LLVMFuzzerTestOneInput(input.get(), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, testing::ValuesIn(KeptInputs()), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegression);
