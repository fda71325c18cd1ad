#include "platform/gdi/MulDiv.h"

#include <limits>

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    // Both magnitudes stay below 2^62, so neither the product nor the rounding overflows.
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const int64_t magnitude = product < 0 ? -product : product;
    const int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    const int64_t quotient = (magnitude + divisor / 2) / divisor;
    const int64_t result = (product < 0) != (denominator < 0) ? -quotient : quotient;
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min()) return -1;
    return static_cast<int32_t>(result);
}
