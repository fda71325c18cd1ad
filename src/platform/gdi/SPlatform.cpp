#include "platform/gdi/SPlatform.h"

namespace {
int32_t gPlatform = 2;
}

int32_t SPlatform() {
    return gPlatform;
}

int32_t SSetPlatform(int32_t platform) {
    const int32_t previous = gPlatform;
    gPlatform = platform;
    return previous;
}
