#pragma once
// The library's device context of the whole screen, built once at start-up; the font and
// paragraph metrics measure on it when no other device context is given.
#include "platform/gdi/SWindowDC.h"

class SScreenDC : public SWindowDC {
public:
    SScreenDC() = default;
};
