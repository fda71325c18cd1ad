#pragma once
// The one clock of the library. Tests fix the time it answers and clear it again; otherwise it
// answers the system's local time.
#include "platform/base/STime.h"

class SClock {
public:
    static STime Now();
    static void SetFixed(const STime& time);
    static void ClearFixed();
    static bool IsFixed();
};
