#pragma once
// Decoded pixels of a picture: rows top down, each pixel 0x00RRGGBB.
#include <cstdint>
#include <vector>

struct SImagePixels {
    // The most pixels a picture file may have: 32 megapixels, more than the printable part of an
    // A4 or Letter page holds at the printer's 600 dots per inch (about 22 megapixels). Each
    // reader takes the size from the file's header and refuses a picture beyond it before it
    // decodes anything, so that a small file that claims a huge size costs neither time nor
    // memory.
    static constexpr int64_t kMaxPixels = int64_t(1) << 25;

    // Whether a picture of that size may be read: both sides 1 or more and at most kMaxPixels.
    static bool IsReadableSize(int64_t w, int64_t h) { return w > 0 && h > 0 && w * h <= kMaxPixels; }

    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    // Room for a picture of that size: false (nothing allocated) for a size that may not be read.
    bool Allocate(int32_t w, int32_t h);
};
