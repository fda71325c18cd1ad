#pragma once
// number × numerator / denominator through a 64-bit product, rounded to the nearest integer with
// halves away from zero. -1 when the denominator is 0 or the result does not fit 32 bits.
#include <cstdint>

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);
