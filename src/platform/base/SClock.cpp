#include "platform/base/SClock.h"

#include <ctime>
#include <optional>

namespace {
std::optional<STime>& Fixed() {
    static std::optional<STime> fixed;
    return fixed;
}
}  // namespace

STime SClock::Now() {
    if (Fixed()) return *Fixed();
    return STime::FromUnixTime(static_cast<int64_t>(std::time(nullptr)));
}

void SClock::SetFixed(const STime& time) {
    Fixed() = time;
}

void SClock::ClearFixed() {
    Fixed().reset();
}

bool SClock::IsFixed() {
    return Fixed().has_value();
}
