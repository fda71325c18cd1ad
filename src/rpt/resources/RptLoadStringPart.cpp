#include "rpt/resources/RptLoadStringPart.h"

namespace {
constexpr int32_t kParts = 3;
}  // namespace

int32_t RptLoadStringPart(SModuleState* state, uint32_t id, int32_t part, SString* out) {
    if (!state || !out) return 0;
    out->Empty();
    SModuleStateGuard current(state);
    if (!out->LoadString(id)) return 0;
    if (part < 0 || part >= kParts) return 0;
    // A line feed is one byte that never occurs inside a multibyte character.
    int32_t start = 0;
    for (int32_t skipped = 0; skipped < part; ++skipped) {
        const int32_t feed = out->Find('\n', start);
        if (feed < 0) return 0;
        start = feed + 1;
    }
    const int32_t end = out->Find('\n', start);
    *out = end < 0 ? out->Mid(start) : out->Mid(start, end - start);
    return 1;
}
