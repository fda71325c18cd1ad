#pragma once
// Stops the commit of a set of files (SOutputFileSet) right after one of its steps (a file leaving
// the folder or taking its place), as a process killed there would stop it: the work goes on in a
// child process, which the commit's hook kills at that step. The hook is set in the child only,
// so the test's own process is left as it was.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "platform/base/SOutputFileSet.h"

class SOutputFileSetTestAccess {
public:
    static void SetAfterStep(void (*hook)()) { SOutputFileSet::sAfterStep = hook; }
};

namespace STestSetCommitStop {
// The steps the child has still to take; counted in the child alone.
inline int& StepsLeft() {
    static int left = 0;
    return left;
}

inline void CountStep() {
    if (--StepsLeft() == 0) ::raise(SIGKILL);
}
}  // namespace STestSetCommitStop

// Runs `work` in a child process killed right after the commit's step `step` (from 1). True when
// it was stopped there; false when `work` ended first (the commit had fewer steps), having
// succeeded: `work` answers whether it did.
inline bool SetCommitStoppedAfterStep(int step, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) ADD_FAILURE() << "cannot fork";
    if (child == 0) {
        STestSetCommitStop::StepsLeft() = step;
        SOutputFileSetTestAccess::SetAfterStep(&STestSetCommitStop::CountStep);
        bool done = false;
        try {
            done = work();
        } catch (...) {
        }
        ::_exit(done ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return true;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the work failed in the child at step " << step;
    return false;
}
