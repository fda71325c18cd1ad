#pragma once
// Decoded pixels of a picture: rows top down, each pixel 0x00RRGGBB.
#include <cstdint>
#include <vector>

struct SImagePixels {
    // The one limit on the size of a picture: 32 megapixels, more than the printable part of an
    // A4 or Letter page holds at the printer's 600 dots per inch (about 22 megapixels). Every
    // path a picture takes derives its bounds from it, so that a picture within it appears in
    // every output and one beyond it in none: the readers take the size from a file's header and
    // refuse a picture beyond it before they decode anything, so that a small file that claims a
    // huge size costs neither time nor memory; bitmaps, page images, the files read and the
    // metafiles that hold a bitmap are bounded by it.
    static constexpr int64_t kMaxPixels = int64_t(1) << 25;
    // No side longer than this: the most the drawing library's surfaces, which hold every bitmap,
    // take.
    static constexpr int64_t kMaxSide = 32767;
    // The room a picture's format takes beside its pixels: file and record headers, colour tables
    // and masks, the few records around a bitmap in a metafile.
    static constexpr int64_t kMaxFormatBytes = int64_t(64) << 10;

    // The most bytes a picture within the limit takes stored at `bytesPerPixel`, its format's
    // headers included.
    static constexpr int64_t MaxBytes(int64_t bytesPerPixel) { return kMaxPixels * bytesPerPixel + kMaxFormatBytes; }

    // Whether a picture of that size is beyond the limit: a side longer than kMaxSide, or more
    // than kMaxPixels.
    static bool IsBeyondLimit(int64_t w, int64_t h) { return w > kMaxSide || h > kMaxSide || w * h > kMaxPixels; }
    // Whether a picture of that size may be read: both sides 1 or more, and within the limit.
    static bool IsReadableSize(int64_t w, int64_t h) { return w > 0 && h > 0 && !IsBeyondLimit(w, h); }

    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    // Room for a picture of that size: false (nothing allocated) for a size that may not be read.
    bool Allocate(int32_t w, int32_t h);
};
