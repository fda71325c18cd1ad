#include "platform/base/SWaitCursor.h"

namespace {
int32_t& Depth() {
    static int32_t depth = 0;
    return depth;
}
}  // namespace

void SWaitCursor::BeginWaitCursor() {
    ++Depth();
}

void SWaitCursor::EndWaitCursor() {
    if (Depth() > 0) --Depth();
}

int32_t SWaitCursor::GetDepth() {
    return Depth();
}
