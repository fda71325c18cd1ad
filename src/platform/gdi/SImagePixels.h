#pragma once
// Decoded pixels of a picture: rows top down, each pixel 0x00RRGGBB.
#include <cstdint>
#include <vector>

struct SImagePixels {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    // Room for a picture of that size: false (nothing allocated) for a size of 0 or less or more
    // pixels than a bitmap may have.
    bool Allocate(int32_t w, int32_t h);
};
