#pragma once
// One line-feed-separated part of a string resource: part 0 the text before the first line
// feed, part 1 the text between the first and the second, part 2 the text after the second (up
// to a third, when there is one).
#include <cstdint>

#include "platform/base/SModuleState.h"
#include "platform/base/SString.h"

// Loads string `id` of `state` (made current for the load) into `out` and keeps only the part
// asked for: 1. A part the text does not have (part 0 always exists) leaves the whole text in
// `out` and gives 0; a missing string leaves `out` empty and gives 0; a null state or out string
// gives 0.
int32_t RptLoadStringPart(SModuleState* state, uint32_t id, int32_t part, SString* out);
