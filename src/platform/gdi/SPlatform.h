#pragma once
// The class library's platform code: 1 for the platform whose graphics take only 16-bit
// coordinates, 2 for the others. This platform answers 2; tests may play the other.
#include <cstdint>

int32_t SPlatform();
// Sets the answer and returns the previous one.
int32_t SSetPlatform(int32_t platform);
