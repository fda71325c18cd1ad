#pragma once
// The images of the library's toolbars (bitmaps 232, 343 and 347, of the same ids as their
// toolbar resources): 16-colour device-independent bitmaps, 15 pixels high, one 16-pixel-wide
// image per button side by side. The background is the toolbars' mask colour (0xC0C0C0). They are
// drawn from simple shapes, so that they are ours and the same on every build.
#include <cstdint>
#include <vector>

class SRptToolbarBitmap {
public:
    static constexpr int32_t kImageWidth = 16;
    static constexpr int32_t kHeight = 15;

    // The bitmap's bytes: a 40-byte header, the 16-colour table and the rows, bottom row first,
    // each padded to 4 bytes.
    static std::vector<uint8_t> Build(int32_t images);
};
