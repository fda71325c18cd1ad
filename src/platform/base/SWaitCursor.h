#pragma once
// The wait cursor: shown while the depth is above zero. Begin and End are counted so that
// nested long operations keep it on until the outermost one ends; an End without a Begin is
// ignored rather than driving the count below zero. SWaitCursor holds it for a scope, so that
// every way out, exceptions included, ends what it began.
#include <cstdint>

class SWaitCursor {
public:
    SWaitCursor() { BeginWaitCursor(); }
    ~SWaitCursor() { EndWaitCursor(); }
    SWaitCursor(const SWaitCursor&) = delete;
    SWaitCursor& operator=(const SWaitCursor&) = delete;

    static void BeginWaitCursor();
    static void EndWaitCursor();
    static int32_t GetDepth();
    static bool IsShown() { return GetDepth() > 0; }
};

inline void BeginWaitCursor() {
    SWaitCursor::BeginWaitCursor();
}

inline void EndWaitCursor() {
    SWaitCursor::EndWaitCursor();
}
