#include "platform/gdi/SRealisedFont.h"

#include <algorithm>
#include <limits>

int32_t SRealisedFont::GetTextWidth(std::string_view text) const {
    return SumAdvances(GetAdvances(text));
}

int32_t SRealisedFont::SumAdvances(const std::vector<int32_t>& advances) {
    int64_t width = 0;
    for (int32_t advance : advances) width += advance;
    return ClampWidth(width);
}

int32_t SRealisedFont::ClampWidth(int64_t width) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(width, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
