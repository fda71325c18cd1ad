// Test main: starts the library as its loader would, runs the tests, and shuts it down.
#include <gtest/gtest.h>

#include "platform/gdi/SFontEngine.h"
#include "rpt/module/SRptStartup.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SRptStartup::ProcessAttach(nullptr);
    int result = RUN_ALL_TESTS();
    SRptStartup::ProcessDetach();
    // This process is ours alone: release what cairo and fontconfig keep until exit, so that
    // leak detection reports only real leaks.
    SFontEngine::ReleaseSharedCaches();
    return result;
}
