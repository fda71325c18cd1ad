#pragma once
// The cause of the SEIOException that an action throws; a failure of the test when it throws none.
#include <gtest/gtest.h>

#include <functional>

#include "platform/base/SEIOException.h"

inline SEIOException::Cause CauseOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const SEIOException& e) {
        return e.GetCause();
    }
    ADD_FAILURE() << "no SEIOException";
    return SEIOException::generic;
}
