// Test main: starts the library as its loader would, runs the tests, and shuts it down.
#include <gtest/gtest.h>

#include "rpt/module/SRptStartup.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SRptStartup::ProcessAttach(nullptr);
    int result = RUN_ALL_TESTS();
    SRptStartup::ProcessDetach();
    return result;
}
